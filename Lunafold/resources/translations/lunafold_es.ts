<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Lunafold</name>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Shows moon details</source>
        <translation>Muestra los detalles de la luna</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Moon picture to share</source>
        <translation>Imagen de la luna para compartir</translation>
    </message>
    <message>
        <source>Save Image…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Copiada.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardada.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>“Lunafold” Would Like to Send You Notifications</source>
        <translation>«Lunafold» quiere enviarte notificaciones</translation>
    </message>
    <message>
        <source>Notifications may include alerts, sounds and icon badges.</source>
        <translation>Las notificaciones pueden incluir avisos, sonidos y globos en el icono.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Don’t Allow</source>
        <translation>No permitir</translation>
    </message>
    <message>
        <source>Enjoying Lunafold?</source>
        <translation>¿Te gusta Lunafold?</translation>
    </message>
    <message>
        <source>A short review helps other moon watchers find the app.</source>
        <translation>Una breve reseña ayuda a otros observadores de la luna a encontrar la app.</translation>
    </message>
    <message>
        <source>Rate Lunafold</source>
        <translation>Valorar Lunafold</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <comment>tab</comment>
        <translation>Salida/Puesta</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Futuro</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Support and Information</source>
        <translation>Ayuda e información</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Moon Detail</source>
        <translation>Detalles de la luna</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>At Midnight</source>
        <translation>A medianoche</translation>
    </message>
    <message>
        <source>Rise &amp; Set</source>
        <translation>Salida y puesta</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Culminación</translation>
    </message>
    <message>
        <source>Future and Past</source>
        <translation>Futuro y pasado</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Selected Location</source>
        <translation>Lugar elegido</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>A notice comes 24 hours before each event; also:</source>
        <translation>Un aviso llega 24 horas antes de cada evento; además:</translation>
    </message>
    <message>
        <source>Howling Notifications</source>
        <translation>Notificaciones con aullido</translation>
    </message>
    <message>
        <source>Notify 12 hours before</source>
        <translation>Avisar 12 horas antes</translation>
    </message>
    <message>
        <source>Notify at the Exact Moment</source>
        <translation>Avisar en el momento exacto</translation>
    </message>
    <message>
        <source>Quarter Moon Notifications</source>
        <translation>Notificaciones de los cuartos</translation>
    </message>
    <message>
        <source>Wolf Howl test</source>
        <translation>Probar el aullido del lobo</translation>
    </message>
    <message>
        <source>Full Moon Notifications</source>
        <translation>Notificaciones de luna llena</translation>
    </message>
    <message>
        <source>New Moon Notifications</source>
        <translation>Notificaciones de luna nueva</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Ubicación actual</translation>
    </message>
    <message>
        <source>Current Location on Startup</source>
        <translation>Ubicación actual al iniciar</translation>
    </message>
    <message>
        <source>Export to calendar</source>
        <translation>Exportar al calendario</translation>
    </message>
    <message>
        <source>The next twelve months of phases were saved with their alarms.</source>
        <translation>Las fases de los próximos doce meses se han guardado con sus alarmas.</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Próximas</translation>
    </message>
    <message>
        <source>Wolf Howl</source>
        <translation>Aullido del lobo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Rise and Set</source>
        <translation>Salida y puesta</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Notification Settings</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>New Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Luna nueva en menos de 24 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>New Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Luna nueva en menos de 12 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>New Moon is exactly now.</source>
        <translation>Es luna nueva justo en este momento.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Cuarto creciente en menos de 24 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>First Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Cuarto creciente en menos de 12 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>First Quarter is exactly now.</source>
        <translation>Es cuarto creciente justo en este momento.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 24 hours - counting down to the minute now.</source>
        <translation>Luna llena en menos de 24 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>Full Moon is in less than 12 hours - counting down to the minute now.</source>
        <translation>Luna llena en menos de 12 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>Full Moon is exactly now.</source>
        <translation>Es luna llena justo en este momento.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 24 hours - counting down to the minute now.</source>
        <translation>Cuarto menguante en menos de 24 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>Last Quarter is in less than 12 hours - counting down to the minute now.</source>
        <translation>Cuarto menguante en menos de 12 horas: empieza la cuenta atrás al minuto.</translation>
    </message>
    <message>
        <source>Last Quarter is exactly now.</source>
        <translation>Es cuarto menguante justo en este momento.</translation>
    </message>
    <message>
        <source>No Moon Set tomorrow</source>
        <translation>Mañana no se pone la luna</translation>
    </message>
    <message>
        <source>Moon Set tomorrow</source>
        <translation>Puesta de la luna mañana</translation>
    </message>
    <message>
        <source>No Moon Rise tomorrow</source>
        <translation>Mañana no sale la luna</translation>
    </message>
    <message>
        <source>Moon Rise tomorrow</source>
        <translation>Salida de la luna mañana</translation>
    </message>
    <message>
        <source>No Moon Set today</source>
        <translation>Hoy no se pone la luna</translation>
    </message>
    <message>
        <source>Moon Set today</source>
        <translation>Puesta de la luna hoy</translation>
    </message>
    <message>
        <source>No Moon Rise today</source>
        <translation>Hoy no sale la luna</translation>
    </message>
    <message>
        <source>Moon Rise today</source>
        <translation>Salida de la luna hoy</translation>
    </message>
    <message>
        <source>Moon is %@%% of full.</source>
        <translation>La luna está llena al %@&#xa0;%%.</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is down.</source>
        <translation>La luna está llena al %@&#xa0;%% y está bajo el horizonte.</translation>
    </message>
    <message>
        <source>Moon is %@%% of full and is up.</source>
        <translation>La luna está llena al %@&#xa0;%% y está sobre el horizonte.</translation>
    </message>
    <message>
        <source>Moon Transit today</source>
        <translation>Culminación de la luna hoy</translation>
    </message>
    <message>
        <source>No Moon Transit today</source>
        <translation>Hoy no culmina la luna</translation>
    </message>
    <message>
        <source>Moon Transit tomorrow</source>
        <translation>Culminación de la luna mañana</translation>
    </message>
    <message>
        <source>No Moon Transit tomorrow</source>
        <translation>Mañana no culmina la luna</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signo lunar</translation>
    </message>
    <message>
        <source>Moon Distance</source>
        <translation>Distancia de la luna</translation>
    </message>
    <message>
        <source>Moon Age</source>
        <translation>Edad de la luna</translation>
    </message>
    <message numerus="yes">
        <source>%@ days</source>
        <translation>
            <numerusform>%@ día</numerusform>
            <numerusform>%@ días</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon Azimuth</source>
        <translation>Acimut de la luna</translation>
    </message>
    <message>
        <source>Moon Altitude</source>
        <translation>Altura de la luna</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>The number of months must be between 1 and %d.</source>
        <translation>El número de meses debe estar entre 1 y %d.</translation>
    </message>
    <message>
        <source>The calendar can cover 1901-01-01 to 2100-01-01 only.</source>
        <translation>El calendario solo abarca del 1901-01-01 al 2100-01-01.</translation>
    </message>
    <message>
        <source>Moon Phases</source>
        <translation>Fases lunares</translation>
    </message>
    <message>
        <source>Cannot write %@: %@</source>
        <translation>No se puede escribir %@: %@</translation>
    </message>
    <message>
        <source>Saved Location</source>
        <translation>Lugar guardado</translation>
    </message>
    <message>
        <source>Version Number %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be saved:</source>
        <translation>No se ha podido guardar la imagen:</translation>
    </message>
    <message>
        <source>Current Location unavailable</source>
        <translation>Ubicación actual no disponible</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%.4f° %@</source>
        <translation>%.4f° %@</translation>
    </message>
    <message>
        <source>Lunafold App</source>
        <translation>La app Lunafold</translation>
    </message>
    <message>
        <source>Moon is in %@.</source>
        <translation>La luna está en %@.</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>%@ %@.</source>
        <translation>%@ %@.</translation>
    </message>
    <message>
        <source>is now</source>
        <translation>en este momento</translation>
    </message>
    <message>
        <source>%@ %@ %@.</source>
        <translation>%@ %@ %@.</translation>
    </message>
    <message>
        <source>in</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Full Moon is today</source>
        <translation>Hoy es luna llena</translation>
    </message>
    <message>
        <source>New Moon is today</source>
        <translation>Hoy es luna nueva</translation>
    </message>
    <message>
        <source>First Quarter is today</source>
        <translation>Hoy es cuarto creciente</translation>
    </message>
    <message>
        <source>Last Quarter is today</source>
        <translation>Hoy es cuarto menguante</translation>
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
        <translation>Fase: gibosa creciente.</translation>
    </message>
    <message>
        <source>Phase is waxing crescent.</source>
        <translation>Fase: luna creciente.</translation>
    </message>
    <message>
        <source>Phase is waning crescent.</source>
        <translation>Fase: luna menguante.</translation>
    </message>
    <message>
        <source>Phase is waning gibbous.</source>
        <translation>Fase: gibosa menguante.</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>calendar</comment>
        <translation>LL</translation>
    </message>
    <message>
        <source>New</source>
        <comment>calendar</comment>
        <translation>LN</translation>
    </message>
    <message>
        <source>First</source>
        <comment>calendar</comment>
        <translation>CC</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>calendar</comment>
        <translation>CM</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message numerus="yes">
        <source>%d minutes</source>
        <translation>
            <numerusform>%d minuto</numerusform>
            <numerusform>%d minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>exactly 1 hour</source>
        <translation>exactamente 1 hora</translation>
    </message>
    <message>
        <source>1 hour, 1 minute</source>
        <translation>1 hora, 1 minuto</translation>
    </message>
    <message>
        <source>1 hour, %d minutes</source>
        <translation>1 hora, %d minutos</translation>
    </message>
    <message>
        <source>exactly %d hours</source>
        <translation>exactamente %d horas</translation>
    </message>
    <message>
        <source>%d hours, 1 minute</source>
        <translation>%d horas, 1 minuto</translation>
    </message>
    <message>
        <source>%d hours, %d minutes</source>
        <translation>%d horas, %d minutos</translation>
    </message>
    <message numerus="yes">
        <source>%d hours</source>
        <translation>
            <numerusform>%d hora</numerusform>
            <numerusform>%d horas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>exactly 1 day</source>
        <translation>exactamente 1 día</translation>
    </message>
    <message>
        <source>1 day, 1 hour</source>
        <translation>1 día, 1 hora</translation>
    </message>
    <message>
        <source>1 day, %d hours</source>
        <translation>1 día, %d horas</translation>
    </message>
    <message>
        <source>exactly %d days</source>
        <translation>exactamente %d días</translation>
    </message>
    <message>
        <source>%d days, 1 hour</source>
        <translation>%d días, 1 hora</translation>
    </message>
    <message>
        <source>%d days, %d hours</source>
        <translation>%d días, %d horas</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message numerus="yes">
        <source>%d days</source>
        <translation>
            <numerusform>%d día</numerusform>
            <numerusform>%d días</numerusform>
        </translation>
    </message>
    <message>
        <source>exactly 1 month</source>
        <translation>exactamente 1 mes</translation>
    </message>
    <message>
        <source>1 month, 1 day</source>
        <translation>1 mes, 1 día</translation>
    </message>
    <message>
        <source>1 month, %d days</source>
        <translation>1 mes, %d días</translation>
    </message>
    <message>
        <source>exactly %d months</source>
        <translation>exactamente %d meses</translation>
    </message>
    <message>
        <source>%d months, 1 day</source>
        <translation>%d meses, 1 día</translation>
    </message>
    <message>
        <source>%d months, %d days</source>
        <translation>%d meses, %d días</translation>
    </message>
    <message>
        <source>%@ today</source>
        <translation>%@ hoy</translation>
    </message>
    <message>
        <source>%@ tomorrow</source>
        <translation>%@ mañana</translation>
    </message>
    <message>
        <source>Choose the year and month</source>
        <translation>Elegir el año y el mes</translation>
    </message>
    <message>
        <source>No browser could be opened. The address:</source>
        <translation>No se pudo abrir ningún navegador. La dirección:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Show Selected Location</source>
        <translation>Mostrar la ubicación elegida</translation>
    </message>
    <message>
        <source>Search for a place</source>
        <translation>Buscar un lugar</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© colaboradores de OpenStreetMap</translation>
    </message>
    <message>
        <source>Online map</source>
        <translation>Mapa en línea</translation>
    </message>
    <message>
        <source>Shows OpenStreetMap&apos;s streets on the Location map. Map tiles are downloaded while this is on; nothing else leaves the device.</source>
        <translation>Muestra las calles de OpenStreetMap en el mapa de Ubicación. Mientras esté activado se descargan teselas del mapa; nada más sale del dispositivo.</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>%1$@, %2$@ lit</source>
        <translation>%1$@, iluminada al %2$@</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org, CC BY 4.0) and Natural Earth. Time zones from timezone-boundary-builder, © OpenStreetMap contributors (ODbL 1.0).</source>
        <translation>Nombres de lugares: GeoNames (geonames.org, CC BY 4.0) y Natural Earth. Husos horarios: timezone-boundary-builder, © colaboradores de OpenStreetMap (ODbL 1.0).</translation>
    </message>
    <message>
        <source>Locating… Until then: approximate, from your time zone</source>
        <translation>Buscando la ubicación… Mientras tanto: aproximada, según tu zona horaria</translation>
    </message>
    <message>
        <source>Locating…</source>
        <translation>Buscando la ubicación…</translation>
    </message>
    <message>
        <source>Your position could not be found. Pick a place on the map or search.</source>
        <translation>No se pudo encontrar tu posición. Elige un lugar en el mapa o búscalo.</translation>
    </message>
    <message>
        <source>Approximate, from your time zone</source>
        <translation>Aproximada, según tu zona horaria</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>No se encontraron lugares</translation>
    </message>
</context>
</TS>
