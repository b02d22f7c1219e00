<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>RYXConfigWindow</name>
    <message>
        <source>RYX Configuration Program V</source>
        <translation>Programa de configuración RYX V</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add module...</source>
        <translation>Agregar módulo...</translation>
    </message>
    <message>
        <source>Add Module...</source>
        <translation>Agregar módulo...</translation>
    </message>
    <message>
        <source>Tree Indicators Legend</source>
        <translation>Leyenda de indicadores del árbol</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>&amp;Communications</source>
        <translation>&amp;Comunicaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Interface Module</source>
        <translation>Módulo de interfaz</translation>
    </message>
    <message>
        <source>I/O Module</source>
        <translation>Módulo de E/S</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>Agregar módulo</translation>
    </message>
    <message>
        <source>TI Channel</source>
        <translation>Canal TI</translation>
    </message>
    <message>
        <source>AI Channel</source>
        <translation>Canal AI</translation>
    </message>
    <message>
        <source>AO Channel</source>
        <translation>Canal AO</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This feature is not implemented.</source>
        <translation>Esta función no está implementada.</translation>
    </message>
    <message>
        <source>Are you sure you would like to exit RYXConfig?</source>
        <translation>¿Está seguro de que desea salir de RYXConfig?</translation>
    </message>
</context>
<context>
    <name>RYXEventsBox</name>
    <message>
        <source>Clear Log</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Verbosity Level</source>
        <translation>Nivel de detalle</translation>
    </message>
    <message>
        <source>Message Type</source>
        <translation>Tipo de mensaje</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Marca de tiempo</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Desarrollador</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Last 2 hours</source>
        <translation>Últimas 2 horas</translation>
    </message>
    <message>
        <source>Last 1 hours</source>
        <translation>Última hora</translation>
    </message>
    <message>
        <source>Select Range</source>
        <translation>Seleccionar intervalo</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Not Implemeted.</source>
        <translation>No implementado.</translation>
    </message>
</context>
<context>
    <name>RYXProgressForm</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>HelpSelector</name>
    <message>
        <source>Select Inteface Module</source>
        <translation>Seleccione el módulo de interfaz</translation>
    </message>
    <message>
        <source>RYX EMM - Ethernet Modbus Module</source>
        <translation>RYX EMM - Módulo Ethernet Modbus</translation>
    </message>
    <message>
        <source>RYX EIM - Ethernet Interface Module</source>
        <translation>RYX EIM - Módulo de interfaz Ethernet</translation>
    </message>
    <message>
        <source>RYX MIM - Modbus Interface Module</source>
        <translation>RYX MIM - Módulo de interfaz Modbus</translation>
    </message>
    <message>
        <source>Ombra - micro RYX system</source>
        <translation>Ombra - sistema micro RYX</translation>
    </message>
    <message>
        <source>DORV - Cathodic Protection Monitoring System</source>
        <translation>DORV - Sistema de monitoreo de protección catódica</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
</context>
<context>
    <name>HelpSelectorImpl</name>
    <message>
        <source>RYX Config</source>
        <translation>RYX Config</translation>
    </message>
    <message>
        <source>The manual "%1" was not found in the current directory or beside the program.</source>
        <translation>No se encontró el manual "%1" en el directorio actual ni junto al programa.</translation>
    </message>
    <message>
        <source>The manual "%1" could not be opened: no viewer for it is set up on this computer.</source>
        <translation>No se pudo abrir el manual "%1": no hay ningún visor configurado para él en este equipo.</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About RYXConfig</source>
        <translation>Acerca de RYXConfig</translation>
    </message>
    <message>
        <source>&lt;b&gt;RYX Configuration Program&lt;/b&gt;</source>
        <translation>&lt;b&gt;Programa de configuración RYX&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Configuration of RYX modular I/O stations.</source>
        <translation>Configuración de estaciones de E/S modulares RYX.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Part Number </source>
        <translation>Número de pieza </translation>
    </message>
</context>
<context>
    <name>treeLegendForm</name>
    <message>
        <source>Device Tree Status Indicators</source>
        <translation>Indicadores de estado del árbol de dispositivos</translation>
    </message>
    <message>
        <source>Large Dark Green - Inteface module is currently offline</source>
        <translation>Verde oscuro grande - El módulo de interfaz está fuera de línea</translation>
    </message>
    <message>
        <source>Large Bright Green - Inteface module is currently online</source>
        <translation>Verde brillante grande - El módulo de interfaz está en línea</translation>
    </message>
    <message>
        <source>Small Dark Green - Device is offline and has no errors.</source>
        <translation>Verde oscuro pequeño - El dispositivo está fuera de línea y no tiene errores.</translation>
    </message>
    <message>
        <source>Small Bright Green - Device is online and configuration is current with the attached device</source>
        <translation>Verde brillante pequeño - El dispositivo está en línea y la configuración coincide con el dispositivo conectado</translation>
    </message>
    <message>
        <source>Small Yellow - Device is online and configuration is not current with the attached device</source>
        <translation>Amarillo pequeño - El dispositivo está en línea y la configuración no coincide con el dispositivo conectado</translation>
    </message>
    <message>
        <source>Small Red - Error in device configuration.</source>
        <translation>Rojo pequeño - Error en la configuración del dispositivo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
