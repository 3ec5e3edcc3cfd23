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
    <message numerus="yes">
        <source>%d minutes</source>
        <translation>
            <numerusform>%d Minute</numerusform>
            <numerusform>%d Minuten</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%d hours</source>
        <translation>
            <numerusform>%d Stunde</numerusform>
            <numerusform>%d Stunden</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%d days</source>
        <translation>
            <numerusform>%d Tag</numerusform>
            <numerusform>%d Tage</numerusform>
        </translation>
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
        <translation>Genau jetzt ist Neumond.</translation>
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
        <translation>Genau jetzt ist erstes Viertel.</translation>
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
        <translation>Genau jetzt ist Vollmond.</translation>
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
        <translation>Genau jetzt ist letztes Viertel.</translation>
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
        <source>A short review helps other moon watchers find the app.</source>
        <translation>Eine kurze Bewertung hilft anderen Mondbeobachtern, die App zu finden.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Kopiert.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Don’t Allow</source>
        <translation>Nicht erlauben</translation>
    </message>
    <message>
        <source>Enjoying Lunafold?</source>
        <translation>Gefällt dir Lunafold?</translation>
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
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Aktueller Ort</translation>
    </message>
    <message>
        <source>Current Location unavailable</source>
        <translation>Aktueller Standort nicht verfügbar</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>west</source>
        <translation>West</translation>
    </message>
    <message>
        <source>%.4f° %@</source>
        <translation>%.4f° %@</translation>
    </message>
    <message>
        <source>Selected Location</source>
        <translation>Gewählter Ort</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Lunafold App</source>
        <translation>Lunafold-App</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Moon picture to share</source>
        <translation>Mondbild zum Teilen</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Jetzt nicht</translation>
    </message>
    <message>
        <source>Notifications may include alerts, sounds and icon badges.</source>
        <translation>Mitteilungen können Hinweise, Töne und Kennzeichen auf dem Symbol enthalten.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Weiteres</translation>
    </message>
    <message>
        <source>Rate Lunafold</source>
        <translation>Lunafold bewerten</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <translation>Auf- &amp; Untergang</translation>
    </message>
    <message>
        <source>Rise and Set</source>
        <translation>Auf- und Untergang</translation>
    </message>
    <message>
        <source>Save Image…</source>
        <translation>Bild sichern …</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gesichert.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>The picture could not be saved:</source>
        <translation>Das Bild konnte nicht gesichert werden:</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Sichern.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulmination</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Demnächst</translation>
    </message>
    <message>
        <source>Wolf Howl</source>
        <translation>Wolfsgeheul</translation>
    </message>
    <message>
        <source>“Lunafold” Would Like to Send You Notifications</source>
        <translation>„Lunafold“ möchte dir Mitteilungen senden</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <comment>tab</comment>
        <translation>Auf/Unter</translation>
    </message>
    <message>
        <source>A notice comes 24 hours before each event; also:</source>
        <translation>Eine Mitteilung kommt 24 Stunden vor jedem Ereignis; außerdem:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Lunafold</translation>
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
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Current Location on Startup</source>
        <translation>Aktuellen Ort beim Start verwenden</translation>
    </message>
    <message>
        <source>Export to calendar</source>
        <translation>In den Kalender exportieren</translation>
    </message>
    <message>
        <source>Full Moon Notifications</source>
        <translation>Mitteilungen zum Vollmond</translation>
    </message>
    <message>
        <source>Howling Notifications</source>
        <translation>Mitteilungen mit Wolfsgeheul</translation>
    </message>
    <message>
        <source>New Moon Notifications</source>
        <translation>Mitteilungen zum Neumond</translation>
    </message>
    <message>
        <source>Notification Settings</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>Notify 12 hours before</source>
        <translation>12 Stunden vorher benachrichtigen</translation>
    </message>
    <message>
        <source>Notify at the Exact Moment</source>
        <translation>Im genauen Moment benachrichtigen</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Quarter Moon Notifications</source>
        <translation>Mitteilungen zu den Vierteln</translation>
    </message>
    <message>
        <source>Support and Information</source>
        <translation>Hilfe und Informationen</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>The next twelve months of phases were saved with their alarms.</source>
        <translation>Die Phasen der nächsten zwölf Monate wurden mit ihren Erinnerungen gesichert.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Wolf Howl test</source>
        <translation>Wolfsgeheul testen</translation>
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
        <source>At Midnight</source>
        <translation>Um Mitternacht</translation>
    </message>
    <message>
        <source>Moon is %@%% of full.</source>
        <translation>Der Mond ist zu %@&#xa0;%% voll.</translation>
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
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>No Moon Set tomorrow</source>
        <translation>Morgen kein Monduntergang</translation>
    </message>
    <message>
        <source>Moon Set tomorrow</source>
        <translation>Monduntergang morgen</translation>
    </message>
    <message>
        <source>No Moon Rise tomorrow</source>
        <translation>Morgen kein Mondaufgang</translation>
    </message>
    <message>
        <source>Moon Rise tomorrow</source>
        <translation>Mondaufgang morgen</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is down.</source>
        <translation>Der Mond ist zu %@&#xa0;%% voll und steht unter dem Horizont.</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is up.</source>
        <translation>Der Mond ist zu %@&#xa0;%% voll und steht über dem Horizont.</translation>
    </message>
    <message>
        <source>Moon Transit tomorrow</source>
        <translation>Mondkulmination morgen</translation>
    </message>
    <message>
        <source>No Moon Transit tomorrow</source>
        <translation>Morgen keine Mondkulmination</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Mondzeichen</translation>
    </message>
    <message>
        <source>Moon Distance</source>
        <translation>Entfernung des Mondes</translation>
    </message>
    <message>
        <source>Moon Age</source>
        <translation>Alter des Mondes</translation>
    </message>
    <message numerus="yes">
        <source>%@ days</source>
        <translation>
            <numerusform>%@ Tag</numerusform>
            <numerusform>%@ Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon Azimuth</source>
        <translation>Azimut des Mondes</translation>
    </message>
    <message>
        <source>Moon Altitude</source>
        <translation>Höhe des Mondes</translation>
    </message>
    <message>
        <source>The number of months must be between 1 and %d.</source>
        <translation>Die Anzahl der Monate muss zwischen 1 und %d liegen.</translation>
    </message>
    <message>
        <source>The calendar can cover 1901-01-01 to 2100-01-01 only.</source>
        <translation>Der Kalender reicht nur vom 1901-01-01 bis zum 2100-01-01.</translation>
    </message>
    <message>
        <source>Cannot write %@: %@</source>
        <translation>%@ kann nicht geschrieben werden: %@</translation>
    </message>
    <message>
        <source>Saved Location</source>
        <translation>Gespeicherter Ort</translation>
    </message>
    <message>
        <source>Version Number %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Moon is in %@.</source>
        <translation>Der Mond steht im Zeichen %@.</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>calendar</comment>
        <translation>Voll</translation>
    </message>
    <message>
        <source>New</source>
        <comment>calendar</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>First</source>
        <comment>calendar</comment>
        <translation>Erstes</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>calendar</comment>
        <translation>Letzt.</translation>
    </message>
    <message>
        <source>Locating…</source>
        <translation>Standort wird ermittelt …</translation>
    </message>
    <message>
        <source>Locating… Until then: approximate, from your time zone</source>
        <translation>Standort wird ermittelt … Bis dahin: ungefähr, nach deiner Zeitzone</translation>
    </message>
    <message>
        <source>Your position could not be found. Pick a place on the map or search.</source>
        <translation>Dein Standort wurde nicht gefunden. Wähle einen Ort auf der Karte oder suche danach.</translation>
    </message>
    <message>
        <source>Approximate, from your time zone</source>
        <translation>Ungefähr, nach deiner Zeitzone</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>Keine Orte gefunden</translation>
    </message>
    <message>
        <source>Search for a place</source>
        <translation>Ort suchen</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org, CC BY 4.0) and Natural Earth. Time zones from timezone-boundary-builder, © OpenStreetMap contributors (ODbL 1.0).</source>
        <translation>Ortsnamen von GeoNames (geonames.org, CC BY 4.0) und Natural Earth. Zeitzonen von timezone-boundary-builder, © OpenStreetMap-Mitwirkende (ODbL 1.0).</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Show Selected Location</source>
        <translation>Gewählten Ort zeigen</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap-Mitwirkende</translation>
    </message>
    <message>
        <source>Online map</source>
        <translation>Online-Karte</translation>
    </message>
    <message>
        <source>Shows OpenStreetMap&apos;s streets on the Location map. Map tiles are downloaded while this is on; nothing else leaves the device.</source>
        <translation>Zeigt die Straßen von OpenStreetMap auf der Karte im Tab „Ort“. Solange dies an ist, werden Kartenkacheln geladen; sonst verlässt nichts das Gerät.</translation>
    </message>
    <message>
        <source>Choose the year and month</source>
        <translation>Jahr und Monat wählen</translation>
    </message>
    <message>
        <source>No browser could be opened. The address:</source>
        <translation>Es ließ sich kein Browser öffnen. Die Adresse:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Zunehmende Mondsichel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Abnehmende Mondsichel</translation>
    </message>
    <message>
        <source>%1$@, %2$@ lit</source>
        <translation>%1$@, %2$@ beleuchtet</translation>
    </message>
</context>
</TS>
