<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Lunafold</name>
    <message>
        <source>Moon Phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>%@ %@.</source>
        <translation>%@ %@.</translation>
    </message>
    <message>
        <source>%@ %@ %@.</source>
        <translation>%@ %@ %@.</translation>
    </message>
    <message>
        <source>Full Moon is today</source>
        <translation>Heute ist Vollmond</translation>
    </message>
    <message>
        <source>New Moon is today</source>
        <translation>Heute ist Neumond</translation>
    </message>
    <message>
        <source>First Quarter is today</source>
        <translation>Heute ist erstes Viertel</translation>
    </message>
    <message>
        <source>Last Quarter is today</source>
        <translation>Heute ist letztes Viertel</translation>
    </message>
    <message>
        <source>%@ - %@.</source>
        <translation>%@ – %@.</translation>
    </message>
    <message>
        <source>%@.</source>
        <translation>%@.</translation>
    </message>
    <message>
        <source>%d minutes</source>
        <translation>%d Minuten</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>exactly 1 hour</source>
        <translation>genau 1 Stunde</translation>
    </message>
    <message>
        <source>1 hour, 1 minute</source>
        <translation>1 Stunde, 1 Minute</translation>
    </message>
    <message>
        <source>1 hour, %d minutes</source>
        <translation>1 Stunde, %d Minuten</translation>
    </message>
    <message>
        <source>exactly %d hours</source>
        <translation>genau %d Stunden</translation>
    </message>
    <message>
        <source>%d hours, 1 minute</source>
        <translation>%d Stunden, 1 Minute</translation>
    </message>
    <message>
        <source>%d hours, %d minutes</source>
        <translation>%d Stunden, %d Minuten</translation>
    </message>
    <message>
        <source>%d hours</source>
        <translation>%d Stunden</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>exactly 1 day</source>
        <translation>genau 1 Tag</translation>
    </message>
    <message>
        <source>1 day, 1 hour</source>
        <translation>1 Tag, 1 Stunde</translation>
    </message>
    <message>
        <source>1 day, %d hours</source>
        <translation>1 Tag, %d Stunden</translation>
    </message>
    <message>
        <source>exactly %d days</source>
        <translation>genau %d Tagen</translation>
    </message>
    <message>
        <source>%d days, 1 hour</source>
        <translation>%d Tagen, 1 Stunde</translation>
    </message>
    <message>
        <source>%d days, %d hours</source>
        <translation>%d Tagen, %d Stunden</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%d days</source>
        <translation>%d Tage</translation>
    </message>
    <message>
        <source>exactly 1 month</source>
        <translation>genau 1 Monat</translation>
    </message>
    <message>
        <source>1 month, 1 day</source>
        <translation>1 Monat, 1 Tag</translation>
    </message>
    <message>
        <source>1 month, %d days</source>
        <translation>1 Monat, %d Tage</translation>
    </message>
    <message>
        <source>exactly %d months</source>
        <translation>genau %d Monate</translation>
    </message>
    <message>
        <source>%d months, 1 day</source>
        <translation>%d Monate, 1 Tag</translation>
    </message>
    <message>
        <source>%d months, %d days</source>
        <translation>%d Monate, %d Tage</translation>
    </message>
    <message>
        <source>%@ today</source>
        <translation>%@ heute</translation>
    </message>
    <message>
        <source>%@ tomorrow</source>
        <translation>%@ morgen</translation>
    </message>
    <message>
        <source>New Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Neumond in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>New Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Neumond in weniger als 12 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>New Moon is exactly now.</source>
        <translation>Neumond ist genau jetzt.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Erstes Viertel in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Erstes Viertel in weniger als 12 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>First Quarter is exactly now.</source>
        <translation>Erstes Viertel ist genau jetzt.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Vollmond in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Vollmond in weniger als 12 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>Full Moon is exactly now.</source>
        <translation>Vollmond ist genau jetzt.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Letztes Viertel in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Letztes Viertel in weniger als 12 Stunden – ab jetzt läuft der Countdown auf die Minute.</translation>
    </message>
    <message>
        <source>Last Quarter is exactly now.</source>
        <translation>Letztes Viertel ist genau jetzt.</translation>
    </message>
    <message>
        <source>is now</source>
        <translation>ist jetzt</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Phase is waxing gibbous.</source>
        <translation>Phase: zunehmender Dreiviertelmond.</translation>
    </message>
    <message>
        <source>Phase is waxing crescent.</source>
        <translation>Phase: zunehmende Mondsichel.</translation>
    </message>
    <message>
        <source>Phase is waning crescent.</source>
        <translation>Phase: abnehmende Mondsichel.</translation>
    </message>
    <message>
        <source>Phase is waning gibbous.</source>
        <translation>Phase: abnehmender Dreiviertelmond.</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Zukunft</translation>
    </message>
    <message>
        <source>Future and Past</source>
        <translation>Zukunft und Vergangenheit</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Shows moon details</source>
        <translation>Zeigt die Monddetails</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Moon Detail</source>
        <translation>Monddetails</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>At Midnight</source>
        <translation>Um Mitternacht</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <translation>Auf- &amp; Untergang</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulmination</translation>
    </message>
    <message>
        <source>Moon is %@%% of full.</source>
        <translation>Der Mond ist zu %@ %% voll.</translation>
    </message>
    <message>
        <source>Moon Rise today</source>
        <translation>Mondaufgang heute</translation>
    </message>
    <message>
        <source>No Moon Rise today</source>
        <translation>Heute kein Mondaufgang</translation>
    </message>
    <message>
        <source>Moon Set today</source>
        <translation>Monduntergang heute</translation>
    </message>
    <message>
        <source>No Moon Set today</source>
        <translation>Heute kein Monduntergang</translation>
    </message>
    <message>
        <source>Moon Transit today</source>
        <translation>Mondkulmination heute</translation>
    </message>
    <message>
        <source>No Moon Transit today</source>
        <translation>Heute keine Mondkulmination</translation>
    </message>
</context>
</TS>
