<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Lunafold</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Shows moon details</source>
        <translation>Affiche les détails de la lune</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Moon picture to share</source>
        <translation>Image de la lune à partager</translation>
    </message>
    <message>
        <source>Save Image…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Copiée.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Enregistrée.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>“Lunafold” Would Like to Send You Notifications</source>
        <translation>«&#xa0;Lunafold&#xa0;» souhaite vous envoyer des notifications</translation>
    </message>
    <message>
        <source>Notifications may include alerts, sounds and icon badges.</source>
        <translation>Les notifications peuvent comporter des alertes, des sons et des pastilles sur l’icône.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Don’t Allow</source>
        <translation>Ne pas autoriser</translation>
    </message>
    <message>
        <source>Enjoying Lunafold?</source>
        <translation>Vous aimez Lunafold&#xa0;?</translation>
    </message>
    <message>
        <source>A short review helps other moon watchers find the app.</source>
        <translation>Un petit avis aide d’autres observateurs de la lune à trouver l’app.</translation>
    </message>
    <message>
        <source>Rate Lunafold</source>
        <translation>Noter Lunafold</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <comment>tab</comment>
        <translation>Lever/Coucher</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Futur</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Support and Information</source>
        <translation>Aide et informations</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Moon Detail</source>
        <translation>Détails de la lune</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>At Midnight</source>
        <translation>À minuit</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <translation>Lever et coucher</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <source>Future and Past</source>
        <translation>Futur et passé</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Selected Location</source>
        <translation>Lieu choisi</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>A notice comes 24 hours before each event; also:</source>
        <translation>Une notification arrive 24 heures avant chaque événement&#xa0;; en plus&#xa0;:</translation>
    </message>
    <message>
        <source>Howling Notifications</source>
        <translation>Notifications avec hurlement</translation>
    </message>
    <message>
        <source>Notify 12 hours before</source>
        <translation>Prévenir 12 heures avant</translation>
    </message>
    <message>
        <source>Notify at the Exact Moment</source>
        <translation>Prévenir au moment exact</translation>
    </message>
    <message>
        <source>Quarter Moon Notifications</source>
        <translation>Notifications des quartiers</translation>
    </message>
    <message>
        <source>Wolf Howl test</source>
        <translation>Essayer le hurlement du loup</translation>
    </message>
    <message>
        <source>Full Moon Notifications</source>
        <translation>Notifications de pleine lune</translation>
    </message>
    <message>
        <source>New Moon Notifications</source>
        <translation>Notifications de nouvelle lune</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Position actuelle</translation>
    </message>
    <message>
        <source>Current Location on Startup</source>
        <translation>Position actuelle au démarrage</translation>
    </message>
    <message>
        <source>Export to calendar</source>
        <translation>Exporter vers le calendrier</translation>
    </message>
    <message>
        <source>The next twelve months of phases were saved with their alarms.</source>
        <translation>Les phases des douze prochains mois ont été enregistrées avec leurs alarmes.</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Phase de la lune</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>Wolf Howl</source>
        <translation>Hurlement du loup</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Rise and Set</source>
        <translation>Lever et coucher</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Notification Settings</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>New Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Nouvelle lune dans moins de 24 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>New Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Nouvelle lune dans moins de 12 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>New Moon is exactly now.</source>
        <translation>C’est la nouvelle lune, en ce moment précis.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Premier quartier dans moins de 24 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Premier quartier dans moins de 12 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>First Quarter is exactly now.</source>
        <translation>C’est le premier quartier, en ce moment précis.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Pleine lune dans moins de 24 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Pleine lune dans moins de 12 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>Full Moon is exactly now.</source>
        <translation>C’est la pleine lune, en ce moment précis.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Dernier quartier dans moins de 24 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Dernier quartier dans moins de 12 heures – le compte à rebours à la minute commence.</translation>
    </message>
    <message>
        <source>Last Quarter is exactly now.</source>
        <translation>C’est le dernier quartier, en ce moment précis.</translation>
    </message>
    <message>
        <source>No Moon Set tomorrow</source>
        <translation>Pas de coucher de la lune demain</translation>
    </message>
    <message>
        <source>Moon Set tomorrow</source>
        <translation>Coucher de la lune demain</translation>
    </message>
    <message>
        <source>No Moon Rise tomorrow</source>
        <translation>Pas de lever de la lune demain</translation>
    </message>
    <message>
        <source>Moon Rise tomorrow</source>
        <translation>Lever de la lune demain</translation>
    </message>
    <message>
        <source>No Moon Set today</source>
        <translation>Pas de coucher de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>Moon Set today</source>
        <translation>Coucher de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>No Moon Rise today</source>
        <translation>Pas de lever de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>Moon Rise today</source>
        <translation>Lever de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>Moon is %@%% of full.</source>
        <translation>La lune est pleine à %@&#xa0;%%.</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is down.</source>
        <translation>La lune est pleine à %@&#xa0;%% et se trouve sous l’horizon.</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is up.</source>
        <translation>La lune est pleine à %@&#xa0;%% et se trouve au-dessus de l’horizon.</translation>
    </message>
    <message>
        <source>Moon Transit today</source>
        <translation>Culmination de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>No Moon Transit today</source>
        <translation>Pas de culmination de la lune aujourd’hui</translation>
    </message>
    <message>
        <source>Moon Transit tomorrow</source>
        <translation>Culmination de la lune demain</translation>
    </message>
    <message>
        <source>No Moon Transit tomorrow</source>
        <translation>Pas de culmination de la lune demain</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signe lunaire</translation>
    </message>
    <message>
        <source>Moon Distance</source>
        <translation>Distance de la lune</translation>
    </message>
    <message>
        <source>Moon Age</source>
        <translation>Âge de la lune</translation>
    </message>
    <message numerus="yes">
        <source>%@ days</source>
        <translation>
            <numerusform>%@ jour</numerusform>
            <numerusform>%@ jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon Azimuth</source>
        <translation>Azimut de la lune</translation>
    </message>
    <message>
        <source>Moon Altitude</source>
        <translation>Hauteur de la lune</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>The number of months must be between 1 and %d.</source>
        <translation>Le nombre de mois doit être compris entre 1 et %d.</translation>
    </message>
    <message>
        <source>The calendar can cover 1901-01-01 to 2100-01-01 only.</source>
        <translation>Le calendrier ne couvre que la période du 1901-01-01 au 2100-01-01.</translation>
    </message>
    <message>
        <source>Moon Phases</source>
        <translation>Phases de la lune</translation>
    </message>
    <message>
        <source>Cannot write %@: %@</source>
        <translation>Impossible d’écrire %@&#xa0;: %@</translation>
    </message>
    <message>
        <source>Saved Location</source>
        <translation>Lieu enregistré</translation>
    </message>
    <message>
        <source>Version Number %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n’y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be saved:</source>
        <translation>Impossible d’enregistrer l’image&#xa0;:</translation>
    </message>
    <message>
        <source>Current Location unavailable</source>
        <translation>Position actuelle indisponible</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%.4f° %@</source>
        <translation>%.4f° %@</translation>
    </message>
    <message>
        <source>Lunafold App</source>
        <translation>L’app Lunafold</translation>
    </message>
    <message>
        <source>Moon is in %@.</source>
        <translation>La lune est en %@.</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>%@ %@.</source>
        <translation>%@ %@.</translation>
    </message>
    <message>
        <source>is now</source>
        <translation>en ce moment</translation>
    </message>
    <message>
        <source>%@ %@ %@.</source>
        <translation>%@ %@ %@.</translation>
    </message>
    <message>
        <source>in</source>
        <translation>dans</translation>
    </message>
    <message>
        <source>Full Moon is today</source>
        <translation>C’est la pleine lune aujourd’hui</translation>
    </message>
    <message>
        <source>New Moon is today</source>
        <translation>C’est la nouvelle lune aujourd’hui</translation>
    </message>
    <message>
        <source>First Quarter is today</source>
        <translation>C’est le premier quartier aujourd’hui</translation>
    </message>
    <message>
        <source>Last Quarter is today</source>
        <translation>C’est le dernier quartier aujourd’hui</translation>
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
        <source>Phase is waxing gibbous.</source>
        <translation>Phase&#xa0;: lune gibbeuse croissante.</translation>
    </message>
    <message>
        <source>Phase is waxing crescent.</source>
        <translation>Phase&#xa0;: premier croissant.</translation>
    </message>
    <message>
        <source>Phase is waning crescent.</source>
        <translation>Phase&#xa0;: dernier croissant.</translation>
    </message>
    <message>
        <source>Phase is waning gibbous.</source>
        <translation>Phase&#xa0;: lune gibbeuse décroissante.</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>calendar</comment>
        <translation>PL</translation>
    </message>
    <message>
        <source>New</source>
        <comment>calendar</comment>
        <translation>NL</translation>
    </message>
    <message>
        <source>First</source>
        <comment>calendar</comment>
        <translation>PQ</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>calendar</comment>
        <translation>DQ</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message numerus="yes">
        <source>%d minutes</source>
        <translation>
            <numerusform>%d minute</numerusform>
            <numerusform>%d minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>exactly 1 hour</source>
        <translation>exactement 1 heure</translation>
    </message>
    <message>
        <source>1 hour, 1 minute</source>
        <translation>1 heure, 1 minute</translation>
    </message>
    <message>
        <source>1 hour, %d minutes</source>
        <translation>1 heure, %d minutes</translation>
    </message>
    <message>
        <source>exactly %d hours</source>
        <translation>exactement %d heures</translation>
    </message>
    <message>
        <source>%d hours, 1 minute</source>
        <translation>%d heures, 1 minute</translation>
    </message>
    <message>
        <source>%d hours, %d minutes</source>
        <translation>%d heures, %d minutes</translation>
    </message>
    <message numerus="yes">
        <source>%d hours</source>
        <translation>
            <numerusform>%d heure</numerusform>
            <numerusform>%d heures</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>exactly 1 day</source>
        <translation>exactement 1 jour</translation>
    </message>
    <message>
        <source>1 day, 1 hour</source>
        <translation>1 jour, 1 heure</translation>
    </message>
    <message>
        <source>1 day, %d hours</source>
        <translation>1 jour, %d heures</translation>
    </message>
    <message>
        <source>exactly %d days</source>
        <translation>exactement %d jours</translation>
    </message>
    <message>
        <source>%d days, 1 hour</source>
        <translation>%d jours, 1 heure</translation>
    </message>
    <message>
        <source>%d days, %d hours</source>
        <translation>%d jours, %d heures</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message numerus="yes">
        <source>%d days</source>
        <translation>
            <numerusform>%d jour</numerusform>
            <numerusform>%d jours</numerusform>
        </translation>
    </message>
    <message>
        <source>exactly 1 month</source>
        <translation>exactement 1 mois</translation>
    </message>
    <message>
        <source>1 month, 1 day</source>
        <translation>1 mois, 1 jour</translation>
    </message>
    <message>
        <source>1 month, %d days</source>
        <translation>1 mois, %d jours</translation>
    </message>
    <message>
        <source>exactly %d months</source>
        <translation>exactement %d mois</translation>
    </message>
    <message>
        <source>%d months, 1 day</source>
        <translation>%d mois, 1 jour</translation>
    </message>
    <message>
        <source>%d months, %d days</source>
        <translation>%d mois, %d jours</translation>
    </message>
    <message>
        <source>%@ today</source>
        <translation>%@ aujourd’hui</translation>
    </message>
    <message>
        <source>%@ tomorrow</source>
        <translation>%@ demain</translation>
    </message>
    <message>
        <source>Choose the year and month</source>
        <translation>Choisir l’année et le mois</translation>
    </message>
    <message>
        <source>No browser could be opened. The address:</source>
        <translation>Aucun navigateur n’a pu être ouvert. L’adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Show Selected Location</source>
        <translation>Afficher le lieu choisi</translation>
    </message>
    <message>
        <source>Search for a place</source>
        <translation>Rechercher un lieu</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© les contributeurs d’OpenStreetMap</translation>
    </message>
    <message>
        <source>Online map</source>
        <translation>Carte en ligne</translation>
    </message>
    <message>
        <source>Shows OpenStreetMap&apos;s streets on the Location map. Map tiles are downloaded while this is on; nothing else leaves the device.</source>
        <translation>Affiche les rues d’OpenStreetMap sur la carte de l’onglet Lieu. Des tuiles de carte sont téléchargées tant que cette option est activée&#xa0;; rien d’autre ne quitte l’appareil.</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Lune gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Lune gibbeuse croissante</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>%1$@, %2$@ lit</source>
        <translation>%1$@, éclairée à %2$@</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org, CC BY 4.0) and Natural Earth. Time zones from timezone-boundary-builder, © OpenStreetMap contributors (ODbL 1.0).</source>
        <translation>Noms de lieux&#xa0;: GeoNames (geonames.org, CC BY 4.0) et Natural Earth. Fuseaux horaires&#xa0;: timezone-boundary-builder, © les contributeurs d’OpenStreetMap (ODbL 1.0).</translation>
    </message>
    <message>
        <source>Locating… Until then: approximate, from your time zone</source>
        <translation>Localisation… En attendant&#xa0;: approximatif, d’après votre fuseau horaire</translation>
    </message>
    <message>
        <source>Locating…</source>
        <translation>Localisation…</translation>
    </message>
    <message>
        <source>Your position could not be found. Pick a place on the map or search.</source>
        <translation>Votre position est introuvable. Choisissez un lieu sur la carte ou recherchez-le.</translation>
    </message>
    <message>
        <source>Approximate, from your time zone</source>
        <translation>Approximatif, d’après votre fuseau horaire</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>Aucun lieu trouvé</translation>
    </message>
</context>
</TS>
