<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AIChannelDialog</name>
    <message>
        <source>Analog Input Channel</source>
        <translation>Canal de entrada analógica</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Input Type:</source>
        <translation>Tipo de entrada:</translation>
    </message>
</context>
<context>
    <name>AIModuleDialog</name>
    <message>
        <source>Analog Input Module</source>
        <translation>Módulo de entrada analógica</translation>
    </message>
    <message>
        <source>There are no module level configurable parameters, please select a channel.</source>
        <translation>No hay parámetros configurables a nivel de módulo; seleccione un canal.</translation>
    </message>
</context>
<context>
    <name>AOChannelDialog</name>
    <message>
        <source>Analog Output Channel</source>
        <translation>Canal de salida analógica</translation>
    </message>
    <message>
        <source>Channel Not Used</source>
        <translation>Canal no utilizado</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Milliamps</source>
        <translation>Miliamperios</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Tipo de salida:</translation>
    </message>
    <message>
        <source>Output Zero:</source>
        <translation>Cero de salida:</translation>
    </message>
    <message>
        <source>Output Full:</source>
        <translation>Fondo de salida:</translation>
    </message>
    <message>
        <source>Under-Range:</source>
        <translation>Por debajo del rango:</translation>
    </message>
    <message>
        <source>Over-Range:</source>
        <translation>Por encima del rango:</translation>
    </message>
    <message>
        <source>Output Damping:</source>
        <translation>Amortiguación de salida:</translation>
    </message>
    <message>
        <source>Specifies the amount of time it takes for the output to go halfway to the new value</source>
        <translation>Especifica el tiempo que tarda la salida en recorrer la mitad del camino hacia el nuevo valor</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>Escalado</translation>
    </message>
    <message>
        <source>Output Scaling</source>
        <translation>Escalado de salida</translation>
    </message>
    <message>
        <source>Scaling Zero:</source>
        <translation>Cero de escalado:</translation>
    </message>
    <message>
        <source>Scaling Full:</source>
        <translation>Fondo de escalado:</translation>
    </message>
    <message>
        <source>Output On Failure</source>
        <translation>Salida en caso de fallo</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>Mantener último</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>Valor predefinido:</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Loop Test</source>
        <translation>Prueba de lazo</translation>
    </message>
    <message>
        <source>Custom Engineering Units:</source>
        <translation>Unidades de ingeniería personalizadas:</translation>
    </message>
    <message>
        <source>Limits: -0.25 to 11 V</source>
        <translation>Límites: -0,25 a 11 V</translation>
    </message>
    <message>
        <source>Limits: 0 to 23.6 mA</source>
        <translation>Límites: 0 a 23,6 mA</translation>
    </message>
</context>
<context>
    <name>AOChannelObject</name>
    <message>
        <source>Channel Fail</source>
        <translation>Fallo del canal</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>Canal desactivado</translation>
    </message>
    <message>
        <source>SRAM Fail</source>
        <translation>Fallo de SRAM</translation>
    </message>
    <message>
        <source>FLASH Fail</source>
        <translation>Fallo de FLASH</translation>
    </message>
    <message>
        <source>EEPROM Fail</source>
        <translation>Fallo de EEPROM</translation>
    </message>
    <message>
        <source>Front-End Reset</source>
        <translation>Reinicio del front-end</translation>
    </message>
    <message>
        <source>Low-Current Error</source>
        <translation>Error de corriente baja</translation>
    </message>
    <message>
        <source>Error in Producer Channel</source>
        <translation>Error en el canal productor</translation>
    </message>
    <message>
        <source>PV Invalid</source>
        <translation>PV no válido</translation>
    </message>
    <message>
        <source>PV too small</source>
        <translation>PV demasiado pequeño</translation>
    </message>
    <message>
        <source>PV too large</source>
        <translation>PV demasiado grande</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>Hay un problema con los datos.</translation>
    </message>
    <message>
        <source>station %1, module %2, channel %3</source>
        <translation>estación %1, módulo %2, canal %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 %2: output set to %3</source>
        <translation>%1 %2: salida fijada en %3</translation>
    </message>
    <message>
        <source>%1 %2: the output could not be set to %3</source>
        <translation>%1 %2: no se pudo fijar la salida en %3</translation>
    </message>
    <message>
        <source>%1 %2: output control closed, the output stays at its last value</source>
        <translation>%1 %2: control de salida cerrado, la salida se queda en su último valor</translation>
    </message>
    <message>
        <source>Failed to read Status</source>
        <translation>No se pudo leer el estado</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>No se pudo leer el PV</translation>
    </message>
</context>
<context>
    <name>AOControlOutputDialog</name>
    <message>
        <source>Analog Output Loop Test</source>
        <translation>Prueba de lazo de salida analógica</translation>
    </message>
    <message>
        <source>Analog Output Trimming</source>
        <translation>Ajuste de salida analógica</translation>
    </message>
    <message>
        <source>Caution: this window drives the real output of %1. Equipment connected to it follows every value set here.</source>
        <translation>Atención: esta ventana controla la salida real de %1. El equipo conectado a ella sigue cada valor que se fije aquí.</translation>
    </message>
    <message>
        <source>Valid Range: %1 to %2 </source>
        <translation>Rango válido: %1 a %2 </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The station is not connected: the output was not changed.</source>
        <translation>La estación no está conectada: la salida no se ha cambiado.</translation>
    </message>
    <message>
        <source>Not a number: the output was not changed.</source>
        <translation>No es un número: la salida no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>AOModuleDialog</name>
    <message>
        <source>aommodule</source>
        <translation>Módulo AO</translation>
    </message>
    <message>
        <source>There are no configurable parameters for the AOM, please select a channel.</source>
        <translation>El AOM no tiene parámetros configurables; seleccione un canal.</translation>
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
    <name>ComboBoxCtl</name>
    <message>
        <source>[Select...]</source>
        <translation>[Seleccionar...]</translation>
    </message>
    <message>
        <source>RTD</source>
        <translation>RTD</translation>
    </message>
    <message>
        <source>milliVolts</source>
        <translation>milivoltios</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>Ohmios</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Termopar</translation>
    </message>
    <message>
        <source>T/C w/o RJC</source>
        <translation>Termopar sin RJC</translation>
    </message>
    <message>
        <source>Potentiometer</source>
        <translation>Potenciómetro</translation>
    </message>
    <message>
        <source>Platinum 3850</source>
        <translation>Platino 3850</translation>
    </message>
    <message>
        <source>Platinum 3902</source>
        <translation>Platino 3902</translation>
    </message>
    <message>
        <source>Platinum 3916</source>
        <translation>Platino 3916</translation>
    </message>
    <message>
        <source>Nickel 0672</source>
        <translation>Níquel 0672</translation>
    </message>
    <message>
        <source>Copper 0427</source>
        <translation>Cobre 0427</translation>
    </message>
    <message>
        <source>100 Ohms</source>
        <translation>100 ohmios</translation>
    </message>
    <message>
        <source>200 Ohms</source>
        <translation>200 ohmios</translation>
    </message>
    <message>
        <source>300 Ohms</source>
        <translation>300 ohmios</translation>
    </message>
    <message>
        <source>400 Ohms</source>
        <translation>400 ohmios</translation>
    </message>
    <message>
        <source>500 Ohms</source>
        <translation>500 ohmios</translation>
    </message>
    <message>
        <source>1000 Ohms</source>
        <translation>1000 ohmios</translation>
    </message>
    <message>
        <source>2 Wire</source>
        <translation>2 hilos</translation>
    </message>
    <message>
        <source>3 Wire</source>
        <translation>3 hilos</translation>
    </message>
    <message>
        <source>4 Wire</source>
        <translation>4 hilos</translation>
    </message>
    <message>
        <source>4000 Ohms</source>
        <translation>4000 ohmios</translation>
    </message>
    <message>
        <source>2000 Ohms</source>
        <translation>2000 ohmios</translation>
    </message>
    <message>
        <source>250 Ohms</source>
        <translation>250 ohmios</translation>
    </message>
    <message>
        <source>degC</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>degF</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>5 ms</source>
        <translation>5 ms</translation>
    </message>
    <message>
        <source>10 ms</source>
        <translation>10 ms</translation>
    </message>
    <message>
        <source>25 ms</source>
        <translation>25 ms</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 ms</translation>
    </message>
</context>
<context>
    <name>CommsConfigForm</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configurar comunicaciones</translation>
    </message>
    <message>
        <source>Physical Connection</source>
        <translation>Conexión física</translation>
    </message>
    <message>
        <source>RS 232</source>
        <translation>RS 232</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>RS 232 Connection</source>
        <translation>Conexión RS 232</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>COM 2</source>
        <translation>COM 2</translation>
    </message>
    <message>
        <source>COM 3</source>
        <translation>COM 3</translation>
    </message>
    <message>
        <source>COM 4</source>
        <translation>COM 4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Other Port</source>
        <translation>Otro puerto</translation>
    </message>
    <message>
        <source>A port number or a device path such as /dev/ttyUSB0</source>
        <translation>Un número de puerto o una ruta de dispositivo como /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Reply Time-out</source>
        <translation>Tiempo de espera de respuesta</translation>
    </message>
    <message>
        <source>How long to wait for the station&apos;s answer to each request</source>
        <translation>Cuánto esperar la respuesta de la estación a cada petición</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>TCP/IP Connection</source>
        <translation>Conexión TCP/IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>CommsSetup</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a station address. Enter a host name or IP address, optionally followed by &quot;:&quot; and a port number from 1 to 65535.</source>
        <translation>&quot;%1&quot; no es una dirección de estación. Introduzca un nombre de host o una dirección IP, seguido opcionalmente de &quot;:&quot; y un número de puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>Failed to open COM port, it may be in use.</source>
        <translation>No se pudo abrir el puerto COM; puede que esté en uso.</translation>
    </message>
</context>
<context>
    <name>ConfigBaseDialog</name>
    <message>
        <source>Allowed: %1.</source>
        <translation>Permitido: %1.</translation>
    </message>
    <message>
        <source>Not valid.</source>
        <translation>No válido.</translation>
    </message>
    <message>
        <source>The device cannot take it: %1</source>
        <translation>El dispositivo no lo admite: %1</translation>
    </message>
    <message>
        <source>letters, digits and &quot;_&quot; only, not beginning with a digit</source>
        <translation>solo letras, dígitos y &quot;_&quot;, sin empezar por un dígito</translation>
    </message>
    <message>
        <source>at most 24 letters, digits and underscores, not starting with a digit</source>
        <translation>como máximo 24 letras, dígitos y guiones bajos, sin empezar por un dígito</translation>
    </message>
    <message>
        <source>within the limits, at least the minimum span below Input Full</source>
        <translation>dentro de los límites, al menos el intervalo mínimo por debajo del fondo de entrada</translation>
    </message>
    <message>
        <source>within the limits, at least the minimum span above Input Zero</source>
        <translation>dentro de los límites, al menos el intervalo mínimo por encima del cero de entrada</translation>
    </message>
    <message>
        <source>Scaling Zero and Scaling Full at least 0.001 apart</source>
        <translation>cero y fondo de escalado separados al menos 0,001</translation>
    </message>
    <message>
        <source>at most 8 characters</source>
        <translation>como máximo 8 caracteres</translation>
    </message>
    <message>
        <source>a unit must be chosen while the ambient temperature is measured</source>
        <translation>debe elegirse una unidad mientras se mide la temperatura ambiente</translation>
    </message>
    <message>
        <source>within the limits of the output type</source>
        <translation>dentro de los límites del tipo de salida</translation>
    </message>
    <message>
        <source>within the limits of the output type, at least 0.9997 below Output Full</source>
        <translation>dentro de los límites del tipo de salida, al menos 0,9997 por debajo del fondo de salida</translation>
    </message>
    <message>
        <source>within the limits of the output type, at least 0.9997 above Output Zero</source>
        <translation>dentro de los límites del tipo de salida, al menos 0,9997 por encima del cero de salida</translation>
    </message>
    <message>
        <source>from 0 to 30 seconds</source>
        <translation>de 0 a 30 segundos</translation>
    </message>
</context>
<context>
    <name>CustomCurveChart</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>CustomCurveCsv</name>
    <message>
        <source>Failed to open the requested file.
</source>
        <translation>No se pudo abrir el archivo solicitado.
</translation>
    </message>
    <message>
        <source>Line %1 did not contain two values with a comman in between, aborting.
</source>
        <translation>La línea %1 no contenía dos valores separados por una coma; se cancela.
</translation>
    </message>
    <message>
        <source>Could not convert the X value from line %1 to a float, aborting.</source>
        <translation>No se pudo convertir el valor X de la línea %1 a número; se cancela.</translation>
    </message>
    <message>
        <source>Could not convert the Y value from line %1 to a float, aborting.</source>
        <translation>No se pudo convertir el valor Y de la línea %1 a número; se cancela.</translation>
    </message>
    <message>
        <source>A custom curve must contain at least two points</source>
        <translation>Una curva personalizada debe contener al menos dos puntos</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB, far larger than a custom curve of %1 points; it was not read.</source>
        <translation>El archivo supera 1 MiB, mucho más que una curva personalizada de %1 puntos; no se ha leído.</translation>
    </message>
</context>
<context>
    <name>CustomCurvePluginForm</name>
    <message>
        <source>Custom Curve</source>
        <translation>Curva personalizada</translation>
    </message>
    <message>
        <source>Number of Points:</source>
        <translation>Número de puntos:</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>DIModuleDialog</name>
    <message>
        <source>Digital Input Module</source>
        <translation>Módulo de entradas digitales</translation>
    </message>
    <message>
        <source>Debounce Time:</source>
        <translation>Tiempo antirrebote:</translation>
    </message>
</context>
<context>
    <name>DIModuleObject</name>
    <message>
        <source>CLOSED</source>
        <translation>CERRADO</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABIERTO</translation>
    </message>
    <message>
        <source> Patched!</source>
        <translation> ¡Corregido!</translation>
    </message>
    <message>
        <source> No patching necessary!</source>
        <translation> ¡No es necesaria ninguna corrección!</translation>
    </message>
</context>
<context>
    <name>DIModuleVDialog</name>
    <message>
        <source>Digital Input Module V</source>
        <translation>Módulo de entradas digitales V</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
</context>
<context>
    <name>DIModuleVLObject</name>
    <message>
        <source>HIGH</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>BAJO</translation>
    </message>
</context>
<context>
    <name>DeviceComparison</name>
    <message>
        <source>%1: %2 is &quot;%3&quot;, the device holds &quot;%4&quot;</source>
        <translation>%1: %2 es &quot;%3&quot;, el dispositivo tiene &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>DiscreteIOControlDialog</name>
    <message>
        <source>Discrete I/O Control</source>
        <translation>Control de E/S discretas</translation>
    </message>
    <message>
        <source>Output Control</source>
        <translation>Control de salidas</translation>
    </message>
    <message>
        <source>Input Control</source>
        <translation>Control de entradas</translation>
    </message>
    <message>
        <source>Reads, writes and displays the current state of the relays (not a configuration setting)</source>
        <translation>Lee, escribe y muestra el estado actual de los relés (no es un ajuste de configuración)</translation>
    </message>
    <message>
        <source>Reads and displays the current state of the inputs (not a configuration setting)</source>
        <translation>Lee y muestra el estado actual de las entradas (no es un ajuste de configuración)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DiscreteModuleDialog</name>
    <message>
        <source>Channel Not Used</source>
        <translation>Canal no utilizado</translation>
    </message>
    <message>
        <source>Module Settings</source>
        <translation>Ajustes del módulo</translation>
    </message>
    <message>
        <source>Output Test</source>
        <translation>Prueba de salidas</translation>
    </message>
    <message>
        <source>Input Test</source>
        <translation>Prueba de entradas</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Relés</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Power Up State</source>
        <translation>Estado al arrancar</translation>
    </message>
    <message>
        <source>Output On Fail</source>
        <translation>Salida en fallo</translation>
    </message>
    <message>
        <source>Fail Response</source>
        <translation>Respuesta ante fallo</translation>
    </message>
    <message>
        <source>When checked, indicates that the corresponding channel should be energized at powerup</source>
        <translation>Si está marcado, el canal correspondiente se activa al arrancar</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
</context>
<context>
    <name>DiscreteModuleObject</name>
    <message>
        <source>I/O Channel Fail</source>
        <translation>Fallo del canal de E/S</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>Canal desactivado</translation>
    </message>
    <message>
        <source>SRAM Failure</source>
        <translation>Fallo de SRAM</translation>
    </message>
    <message>
        <source>FLASH Failure</source>
        <translation>Fallo de FLASH</translation>
    </message>
    <message>
        <source>EEPROM Checksum error</source>
        <translation>Error de suma de comprobación de EEPROM</translation>
    </message>
    <message>
        <source>Front-end reset occured</source>
        <translation>Se produjo un reinicio del front-end</translation>
    </message>
    <message>
        <source>LED Port Error</source>
        <translation>Error del puerto de LED</translation>
    </message>
    <message>
        <source> upload warning!  This module&apos;s tag information could not be read.</source>
        <translation> ¡Advertencia de carga! No se pudo leer la información de etiqueta de este módulo.</translation>
    </message>
    <message>
        <source> download warning!  This module&apos;s tag information could not be written.</source>
        <translation> ¡Advertencia de descarga! No se pudo escribir la información de etiqueta de este módulo.</translation>
    </message>
    <message>
        <source> Failed to read MT, cannot patch (old TIM FW)!</source>
        <translation> No se pudo leer el MT; no se puede corregir (firmware TIM antiguo).</translation>
    </message>
    <message>
        <source>patch failure!</source>
        <translation>¡fallo de corrección!</translation>
    </message>
    <message>
        <source>Failed to read Status.</source>
        <translation>No se pudo leer el estado.</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>No se pudo leer el PV</translation>
    </message>
    <message>
        <source>Error in Producer Channel</source>
        <translation>Error en el canal productor</translation>
    </message>
</context>
<context>
    <name>EIMConfigurationForm</name>
    <message>
        <source>Ethernet Interface Configuration</source>
        <translation>Configuración de la interfaz Ethernet</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
    <message>
        <source>Specifies the Device&apos;s Descriptor.  This is also the Server Name property set by the Trivet Client</source>
        <translation>Indica el descriptor del dispositivo. Es también la propiedad Nombre del servidor que fija el cliente Trivet</translation>
    </message>
    <message>
        <source>Station Location</source>
        <translation>Ubicación de la estación</translation>
    </message>
    <message>
        <source>Specifies the Device&apos;s Location.  This is also the Server Location property set by the Trivet Client</source>
        <translation>Indica la ubicación del dispositivo. Es también la propiedad Ubicación del servidor que fija el cliente Trivet</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>MODBUS Floating Point Word Order</source>
        <translation>Orden de palabras de coma flotante MODBUS</translation>
    </message>
    <message>
        <source>Standard (LSW first)</source>
        <translation>Estándar (LSW primero)</translation>
    </message>
    <message>
        <source>Swapped (MSW first)</source>
        <translation>Invertido (MSW primero)</translation>
    </message>
</context>
<context>
    <name>EIModuleObject</name>
    <message>
        <source>Add Module</source>
        <translation>Agregar módulo</translation>
    </message>
    <message>
        <source>You may not add a module to a device that is online</source>
        <translation>No se puede añadir un módulo a un dispositivo en línea</translation>
    </message>
    <message>
        <source>The number of IO modules is limited to %1.</source>
        <translation>El número de módulos de E/S está limitado a %1.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>Conectando %1</translation>
    </message>
    <message>
        <source>Compatible %1 detected.</source>
        <translation>%1 compatible detectado.</translation>
    </message>
    <message>
        <source>Synchronizing with connected device...</source>
        <translation>Sincronizando con el dispositivo conectado...</translation>
    </message>
    <message>
        <source>Synchronization Complete!</source>
        <translation>Sincronización completa.</translation>
    </message>
    <message>
        <source>Downloading Configuration Data %1</source>
        <translation>Descargando los datos de configuración de %1</translation>
    </message>
    <message>
        <source>Uploading Configuration Data %1</source>
        <translation>Cargando los datos de configuración de %1</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>fallo de descarga.</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>fallo de carga.</translation>
    </message>
    <message>
        <source>download aborted!</source>
        <translation>descarga cancelada.</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>Hay un problema con los datos.</translation>
    </message>
    <message>
        <source>%1 Download Configuration Data success!</source>
        <translation>%1: descarga de los datos de configuración correcta.</translation>
    </message>
    <message>
        <source>%1 Upload Configuration Data success!</source>
        <translation>%1: carga de los datos de configuración correcta.</translation>
    </message>
    <message>
        <source>Scan Mode succesfully written to xIM</source>
        <translation>Modo de exploración escrito correctamente en el xIM</translation>
    </message>
    <message>
        <source>Scan Mode write failure</source>
        <translation>Fallo al escribir el modo de exploración</translation>
    </message>
    <message>
        <source>Scan Mode succesfully read from xIM</source>
        <translation>Modo de exploración leído correctamente del xIM</translation>
    </message>
    <message>
        <source>Scan Mode read failure</source>
        <translation>Fallo al leer el modo de exploración</translation>
    </message>
    <message>
        <source>Interface Module Status</source>
        <translation>Estado del módulo de interfaz</translation>
    </message>
    <message>
        <source>Station Clock</source>
        <translation>Reloj de la estación</translation>
    </message>
    <message>
        <source>Failed to read Interface Module Status</source>
        <translation>No se pudo leer el estado del módulo de interfaz</translation>
    </message>
    <message>
        <source>MODBUS Peer to Peer Status Word (hex): %1</source>
        <translation>Palabra de estado punto a punto MODBUS (hex): %1</translation>
    </message>
    <message>
        <source>CPS On Board Discrete Input %1 %2</source>
        <translation>Entrada discreta integrada %1 de la CPS: %2</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
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
        <source>The manual &quot;%1&quot; was not found in the current directory or beside the program.</source>
        <translation>No se encontró el manual &quot;%1&quot; en el directorio actual ni junto al programa.</translation>
    </message>
    <message>
        <source>The manual &quot;%1&quot; could not be opened: no viewer for it is set up on this computer.</source>
        <translation>No se pudo abrir el manual &quot;%1&quot;: no hay ningún visor configurado para él en este equipo.</translation>
    </message>
</context>
<context>
    <name>InputCapture</name>
    <message>
        <source>Input Zero Capture</source>
        <translation>Captura del cero de entrada</translation>
    </message>
    <message>
        <source>Input Full Capture</source>
        <translation>Captura del fondo de entrada</translation>
    </message>
    <message>
        <source>Trimming Zero Capture</source>
        <translation>Captura del cero de ajuste</translation>
    </message>
    <message>
        <source>Trimming Full Capture</source>
        <translation>Captura del fondo de ajuste</translation>
    </message>
    <message>
        <source>Error, aborted!</source>
        <translation>¡Error, cancelado!</translation>
    </message>
    <message>
        <source>Broken Wire detected, aborted!</source>
        <translation>¡Cable roto detectado, cancelado!</translation>
    </message>
    <message>
        <source>Failed to respond in alotted 20 Seconds, aborted!!</source>
        <translation>¡¡No respondió en los 20 segundos asignados, cancelado!!</translation>
    </message>
    <message>
        <source>This IO Channel has failed, aborted!!</source>
        <translation>¡¡Este canal de E/S ha fallado, cancelado!!</translation>
    </message>
</context>
<context>
    <name>InputCaptureDialog</name>
    <message>
        <source>Module: %1 Channel: %2</source>
        <translation>Módulo: %1 Canal: %2</translation>
    </message>
    <message>
        <source>Please wait while capturing input...</source>
        <translation>Espere mientras se captura la entrada...</translation>
    </message>
    <message>
        <source>Captured Value: %1</source>
        <translation>Valor capturado: %1</translation>
    </message>
    <message>
        <source>Click Accept to use this data</source>
        <translation>Pulse Aceptar para usar estos datos</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>InputCaptureForm</name>
    <message>
        <source>Input Capture</source>
        <translation>Captura de entrada</translation>
    </message>
    <message>
        <source>Module: X Channel: Y</source>
        <translation>Módulo: X Canal: Y</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Please apply input to be captured</source>
        <translation>Aplique la entrada que se va a capturar</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>InputChannelDialog</name>
    <message>
        <source>Channel Not Used</source>
        <translation>Canal no utilizado</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Rango de entrada</translation>
    </message>
    <message>
        <source>Input Zero:</source>
        <translation>Cero de entrada:</translation>
    </message>
    <message>
        <source>Input Full:</source>
        <translation>Fondo de entrada:</translation>
    </message>
    <message>
        <source>Capture Lower</source>
        <translation>Capturar inferior</translation>
    </message>
    <message>
        <source>Capture Upper</source>
        <translation>Capturar superior</translation>
    </message>
    <message>
        <source>Input Failure Response</source>
        <translation>Respuesta ante fallo de entrada</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>Mantener último</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>Valor predefinido:</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>Escalado</translation>
    </message>
    <message>
        <source>Input Scaling</source>
        <translation>Escalado de entrada</translation>
    </message>
    <message>
        <source>Scaling Zero:</source>
        <translation>Cero de escalado:</translation>
    </message>
    <message>
        <source>Scaling Full:</source>
        <translation>Fondo de escalado:</translation>
    </message>
    <message>
        <source>Custom Curve</source>
        <translation>Curva personalizada</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Custom Engineering Units:</source>
        <translation>Unidades de ingeniería personalizadas:</translation>
    </message>
    <message>
        <source>Limits: %1 to %2</source>
        <translation>Límites: %1 a %2</translation>
    </message>
    <message>
        <source>Minimum Span: %1</source>
        <translation>Intervalo mínimo: %1</translation>
    </message>
</context>
<context>
    <name>MIModuleForm</name>
    <message>
        <source>Modbus Interface Module</source>
        <translation>Módulo de interfaz Modbus</translation>
    </message>
    <message>
        <source>&lt;b&gt;Modbus Interface Module&lt;/b&gt;</source>
        <translation>&lt;b&gt;Módulo de interfaz Modbus&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Interface Module Settings</source>
        <translation>Ajustes del módulo de interfaz</translation>
    </message>
    <message>
        <source>Process Status</source>
        <translation>Estado del proceso</translation>
    </message>
    <message>
        <source>Monitor Process Data</source>
        <translation>Supervisar datos de proceso</translation>
    </message>
    <message>
        <source>Internals (Factory Mode Only)</source>
        <translation>Datos internos (solo modo de fábrica)</translation>
    </message>
    <message>
        <source>Internals</source>
        <translation>Datos internos</translation>
    </message>
</context>
<context>
    <name>PointValueCheck</name>
    <message>
        <source>is out of range (%1 to %2)</source>
        <translation>está fuera de rango (%1 a %2)</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>is out of range for a float</source>
        <translation>está fuera del rango de un float</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>no es un número finito</translation>
    </message>
    <message>
        <source>holds characters the device cannot store</source>
        <translation>contiene caracteres que el dispositivo no puede guardar</translation>
    </message>
    <message>
        <source>is longer than the %1 characters the device field holds</source>
        <translation>supera los %1 caracteres que admite el campo del dispositivo</translation>
    </message>
    <message>
        <source>is not whole hex bytes</source>
        <translation>no son bytes hexadecimales completos</translation>
    </message>
    <message>
        <source>is longer than the %1 bytes of the device field</source>
        <translation>supera los %1 bytes del campo del dispositivo</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a number within the range of a float</source>
        <translation>un número dentro del rango de un float</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>at most %1 bytes as hex digits</source>
        <translation>como máximo %1 bytes en dígitos hexadecimales</translation>
    </message>
    <message>
        <source>has a point type the device does not know</source>
        <translation>tiene un tipo de punto que el dispositivo no conoce</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>¿Qué es esto?</translation>
    </message>
</context>
<context>
    <name>ROModuleDialog</name>
    <message>
        <source>Relay Output Module</source>
        <translation>Módulo de salidas de relé</translation>
    </message>
    <message>
        <source>LEDs When Energized:</source>
        <translation>LED al activarse:</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
</context>
<context>
    <name>ROModuleObject</name>
    <message>
        <source>ENERGIZED</source>
        <translation>ACTIVADO</translation>
    </message>
    <message>
        <source>DEENERGIZED</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>... Patched!</source>
        <translation>... ¡Corregido!</translation>
    </message>
    <message>
        <source>... No patching necessary!</source>
        <translation>... ¡No es necesaria ninguna corrección!</translation>
    </message>
</context>
<context>
    <name>RYXChannel</name>
    <message>
        <source>, Channel %1</source>
        <translation>, canal %1</translation>
    </message>
    <message>
        <source> Channel %1</source>
        <translation> Canal %1</translation>
    </message>
    <message>
        <source>upload failure</source>
        <translation>fallo de carga</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>Hay un problema con los datos.</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1: carga correcta.</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>fallo de descarga.</translation>
    </message>
    <message>
        <source>%1...download success!</source>
        <translation>%1: descarga correcta.</translation>
    </message>
    <message>
        <source>synchronization failure!</source>
        <translation>fallo de sincronización.</translation>
    </message>
</context>
<context>
    <name>RYXClassInfo</name>
    <message>
        <source>MT Patcher</source>
        <translation>Parcheador de tipos de módulo</translation>
    </message>
    <message>
        <source>MODBUS Network</source>
        <translation>Red MODBUS</translation>
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
        <source>Undetermined Module</source>
        <translation>Módulo indeterminado</translation>
    </message>
    <message>
        <source>Undetermined</source>
        <translation>Indeterminado</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Internals</source>
        <translation>Datos internos</translation>
    </message>
    <message>
        <source>Process Data</source>
        <translation>Datos de proceso</translation>
    </message>
</context>
<context>
    <name>RYXConfigWindow</name>
    <message>
        <source>RYX Configuration Program V</source>
        <translation>Programa de configuración RYX V</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>This feature is not implemented.</source>
        <translation>Esta función no está implementada.</translation>
    </message>
    <message>
        <source>Are you sure you would like to exit RYXConfig?</source>
        <translation>¿Está seguro de que desea salir de RYXConfig?</translation>
    </message>
    <message>
        <source>These devices have changes that are not saved: %1.

Save them before exiting?</source>
        <translation>Estos dispositivos tienen cambios sin guardar: %1.

¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>Connect failed because:

Communications timed out.

Would you like to retry?</source>
        <translation>La conexión falló porque:

Se agotó el tiempo de las comunicaciones.

¿Desea reintentar?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>RYXConfigurationText</name>
    <message>
        <source>Paste into %1</source>
        <translation>Pegar en %1</translation>
    </message>
    <message>
        <source>Drag and Drop onto %1</source>
        <translation>Arrastrar y soltar sobre %1</translation>
    </message>
    <message>
        <source>%1 ignored, source and destination are the same.</source>
        <translation>%1 ignorado: el origen y el destino son el mismo.</translation>
    </message>
    <message>
        <source>%1 failed, the data was deemed incompatible.</source>
        <translation>%1 falló: los datos no son compatibles.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the existing configuration (this is not reversable)?</source>
        <translation>¿Seguro que desea reemplazar la configuración existente? (no se puede deshacer)</translation>
    </message>
    <message>
        <source>%1 succeeded.</source>
        <translation>%1: correcto.</translation>
    </message>
    <message>
        <source>%1 was aborted.</source>
        <translation>%1: cancelado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to parse the input file.</source>
        <translation>No se pudo analizar el archivo de entrada.</translation>
    </message>
    <message>
        <source>The information in the file is incompatible with 
the device it was loaded into. Would you like to create 
a new device to contain this information?</source>
        <translation>La información del archivo no es compatible con 
el dispositivo en el que se cargó. ¿Desea crear 
un dispositivo nuevo que contenga esta información?</translation>
    </message>
    <message>
        <source>These values cannot be sent to the device; the objects holding them are marked in error until they are mended:

</source>
        <translation>Estos valores no se pueden enviar al dispositivo; los objetos que los contienen quedan marcados con error hasta que se corrijan:

</translation>
    </message>
    <message>
        <source>The file could not be written:

%1

%2</source>
        <translation>No se pudo escribir el archivo:

%1

%2</translation>
    </message>
</context>
<context>
    <name>RYXConnection</name>
    <message>
        <source>You cannot connect to a device that is not an Interface Module!</source>
        <translation>No se puede conectar a un dispositivo que no es un módulo de interfaz.</translation>
    </message>
    <message>
        <source>Failed to open COM port, it may be in use.</source>
        <translation>No se pudo abrir el puerto COM; puede que esté en uso.</translation>
    </message>
</context>
<context>
    <name>RYXConnectionThread</name>
    <message>
        <source>Synhronization interrupted, Serial Number, Firmware Version and Process data may be invalid.</source>
        <translation>Sincronización interrumpida: el número de serie, la versión de firmware y los datos de proceso pueden no ser válidos.</translation>
    </message>
    <message>
        <source>Synchronization interrupted, Serial Number, Firmware Version and Process data may be invalid.

Please resynchronize before viewing these items.</source>
        <translation>Sincronización interrumpida: el número de serie, la versión de firmware y los datos de proceso pueden no ser válidos.

Vuelva a sincronizar antes de consultarlos.</translation>
    </message>
    <message>
        <source>Disconnecting because:

Communication with the device was lost.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

Se perdió la comunicación con el dispositivo.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Failure: Found different device</source>
        <translation>Fallo: se encontró un dispositivo distinto</translation>
    </message>
    <message>
        <source>Connect failed because:

The attached device is reporting an incorrect ID.

Please create and connect a device of the correct type.</source>
        <translation>La conexión falló porque:

El dispositivo conectado informa un ID incorrecto.

Cree y conecte un dispositivo del tipo correcto.</translation>
    </message>
    <message>
        <source>Disconnecting because:

The connected device is reporting an incorrect ID.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

El dispositivo conectado informa un ID incorrecto.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Failure: Found different child module count</source>
        <translation>Fallo: se encontró un número distinto de módulos hijos</translation>
    </message>
    <message>
        <source>Connect failed because:

The number of modules connected to the attached device is incorrect.

Create and connect either a device with no modules, 
or a device with the correct modules.</source>
        <translation>La conexión falló porque:

El número de módulos conectados al dispositivo es incorrecto.

Cree y conecte un dispositivo sin módulos, 
o un dispositivo con los módulos correctos.</translation>
    </message>
    <message>
        <source>Disconnecting because:

The number of connected modules is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

El número de módulos conectados es incorrecto.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Failure: Found different child module type(s)</source>
        <translation>Fallo: se encontraron tipos distintos de módulos hijos</translation>
    </message>
    <message>
        <source>Connect failed because:

The type(s) of connected module(s) is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>La conexión falló porque:

El tipo de los módulos conectados es incorrecto.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Disconnecting because:

The type(s) of connected module(s) is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

El tipo de los módulos conectados es incorrecto.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Attempting Connection</source>
        <translation>Intentando la conexión</translation>
    </message>
    <message>
        <source>Connection was incomplete.</source>
        <translation>La conexión quedó incompleta.</translation>
    </message>
    <message>
        <source>Connection with device failed during Synhronization.</source>
        <translation>La conexión con el dispositivo falló durante la sincronización.</translation>
    </message>
    <message>
        <source>Connect failed because:

Communications were lost during Synchronization.

You must reconnect once the problem is resolved.</source>
        <translation>La conexión falló porque:

Se perdieron las comunicaciones durante la sincronización.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source>Connection was succesful.</source>
        <translation>La conexión se realizó correctamente.</translation>
    </message>
    <message>
        <source>Failure: Timeout</source>
        <translation>Fallo: tiempo de espera agotado</translation>
    </message>
    <message>
        <source>%1 %2 cancelled!</source>
        <translation>%1: %2 cancelada.</translation>
    </message>
    <message>
        <source>The device may hold only part of this configuration.</source>
        <translation>Puede que el dispositivo contenga solo parte de esta configuración.</translation>
    </message>
    <message>
        <source>The configuration shown may be only partly uploaded.</source>
        <translation>Puede que la configuración mostrada solo se haya cargado en parte.</translation>
    </message>
    <message>
        <source>Verifying Connection</source>
        <translation>Verificando la conexión</translation>
    </message>
    <message>
        <source>Communication with the device is OK, although there is a problem with the device.</source>
        <translation>La comunicación con el dispositivo es correcta, aunque el dispositivo tiene un problema.</translation>
    </message>
    <message>
        <source>Communication with the device has failed.</source>
        <translation>Falló la comunicación con el dispositivo.</translation>
    </message>
    <message>
        <source>Disconnecting because:

Communication with the device has failed.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

Falló la comunicación con el dispositivo.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
    <message>
        <source> &lt;not specified&gt;</source>
        <translation> &lt;no especificado&gt;</translation>
    </message>
    <message>
        <source>, online</source>
        <translation>, en línea</translation>
    </message>
    <message>
        <source>, seeking</source>
        <translation>, buscando</translation>
    </message>
    <message>
        <source>, offline</source>
        <translation>, fuera de línea</translation>
    </message>
</context>
<context>
    <name>RYXCustomCurveObjectPlugin</name>
    <message>
        <source>X Data must be strictly increasing with a minimim span of %1, linearization point # %2 is not.</source>
        <translation>Los datos X deben ser estrictamente crecientes con un intervalo mínimo de %1; el punto de linealización n.º %2 no lo es.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>RYX Config</source>
        <translation>RYX Config</translation>
    </message>
    <message>
        <source>A custom curve may contain a maximum of %1 points, truncating.</source>
        <translation>Una curva personalizada puede contener como máximo %1 puntos; se trunca.</translation>
    </message>
</context>
<context>
    <name>RYXDatabase</name>
    <message>
        <source>point &quot;%1&quot;: the value &quot;%2&quot; %3.</source>
        <translation>punto &quot;%1&quot;: el valor &quot;%2&quot; %3.</translation>
    </message>
</context>
<context>
    <name>RYXDownloadConfirmation</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Download the configuration of %1?</source>
        <translation>¿Descargar la configuración de %1?</translation>
    </message>
    <message>
        <source>Download the configuration of %1 to %2?</source>
        <translation>¿Descargar la configuración de %1 en %2?</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>RYXEventReceiver</name>
    <message>
        <source>The communications resource has been taken offline (i.e. port closed.)</source>
        <translation>El recurso de comunicaciones se ha puesto fuera de línea (puerto cerrado).</translation>
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
    <name>RYXFileCommands</name>
    <message>
        <source>%1 has changes that are not saved. Save them before a file is read into it?</source>
        <translation>%1 tiene cambios sin guardar. ¿Guardarlos antes de leer un archivo en él?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file %1 no longer exists; it was taken off the recent files.</source>
        <translation>El archivo %1 ya no existe; se quitó de los archivos recientes.</translation>
    </message>
    <message>
        <source>Failed to parse the input file.</source>
        <translation>No se pudo analizar el archivo de entrada.</translation>
    </message>
    <message>
        <source>Advisory</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>A new device was created from the data in the file and was added at the root level.</source>
        <translation>Se creó un dispositivo nuevo con los datos del archivo y se añadió en el nivel raíz.</translation>
    </message>
    <message>
        <source>Please select a device from the tree first</source>
        <translation>Seleccione primero un dispositivo del árbol</translation>
    </message>
</context>
<context>
    <name>RYXIOModule</name>
    <message>
        <source> Channel %1</source>
        <translation> Canal %1</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>fallo de carga.</translation>
    </message>
    <message>
        <source>upload failure</source>
        <translation>fallo de carga</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>Hay un problema con los datos.</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1: carga correcta.</translation>
    </message>
    <message>
        <source>%1 upload failure!</source>
        <translation>%1: fallo de carga.</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>fallo de descarga.</translation>
    </message>
    <message>
        <source>%1 download success!</source>
        <translation>%1: descarga correcta.</translation>
    </message>
    <message>
        <source>%1 download failure!</source>
        <translation>%1: fallo de descarga.</translation>
    </message>
    <message>
        <source>synchronization failure!</source>
        <translation>fallo de sincronización.</translation>
    </message>
</context>
<context>
    <name>RYXInterfaceModule</name>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>You may not delete a module of a device that is online</source>
        <translation>No se puede eliminar un módulo de un dispositivo en línea</translation>
    </message>
    <message>
        <source>Station Name:</source>
        <translation>Nombre de la estación:</translation>
    </message>
    <message>
        <source>Please be patient, saving data in interface module...</source>
        <translation>Espere, guardando los datos en el módulo de interfaz...</translation>
    </message>
    <message>
        <source>%1 download warning!  This channel&apos;s tag information could not be saved.</source>
        <translation>%1: advertencia de descarga. No se pudo guardar la etiqueta de este canal.</translation>
    </message>
    <message>
        <source>Interface Module data saved successfully.</source>
        <translation>Los datos del módulo de interfaz se guardaron correctamente.</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>fallo de descarga.</translation>
    </message>
    <message>
        <source>What was downloaded could not be read back.</source>
        <translation>Lo que se descargó no se pudo releer.</translation>
    </message>
    <message>
        <source>%1 read back: the device holds what was downloaded.</source>
        <translation>%1 releído: el dispositivo contiene lo que se descargó.</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Cargando %1</translation>
    </message>
    <message>
        <source>download aborted!</source>
        <translation>descarga cancelada.</translation>
    </message>
    <message>
        <source>Failed to prepare data for transfer.</source>
        <translation>No se pudieron preparar los datos para la transferencia.</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>fallo de carga.</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1: carga correcta.</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>Hay un problema con los datos.</translation>
    </message>
    <message>
        <source>download failed!</source>
        <translation>descarga fallida.</translation>
    </message>
    <message>
        <source>%1 download success!</source>
        <translation>%1: descarga correcta.</translation>
    </message>
    <message>
        <source>%1 overall %2 success!</source>
        <translation>%1: %2 general correcta.</translation>
    </message>
    <message>
        <source>%1 overall %2 failure!</source>
        <translation>%1: fallo general de %2.</translation>
    </message>
</context>
<context>
    <name>RYXListView</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
</context>
<context>
    <name>RYXObject</name>
    <message>
        <source>I am a RYX Module</source>
        <translation>Soy un módulo RYX</translation>
    </message>
    <message>
        <source>Error in configuration.</source>
        <translation>Error en la configuración.</translation>
    </message>
    <message>
        <source>%1 is being transferred to or from the device. The change was not made; make it again when the transfer has ended.</source>
        <translation>%1 se está transfiriendo al dispositivo o desde él. El cambio no se ha hecho; repítalo cuando termine la transferencia.</translation>
    </message>
</context>
<context>
    <name>RYXObjectMenu</name>
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
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Descargar</translation>
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
    <name>RYXPropertiesHtml</name>
    <message>
        <source>Connection Status:</source>
        <translation>Estado de la conexión:</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>EN LÍNEA</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>FUERA DE LÍNEA</translation>
    </message>
    <message>
        <source>CONFIGURATION ERROR</source>
        <translation>ERROR DE CONFIGURACIÓN</translation>
    </message>
    <message>
        <source>ERROR IN CHILD</source>
        <translation>ERROR EN UN HIJO</translation>
    </message>
    <message>
        <source>CONFIGURATION NOT CURRENT</source>
        <translation>CONFIGURACIÓN NO ACTUALIZADA</translation>
    </message>
    <message>
        <source>CONFIGURATION NOT CURRENT IN ONE OR MORE CHILD</source>
        <translation>CONFIGURACIÓN NO ACTUALIZADA EN UNO O MÁS HIJOS</translation>
    </message>
    <message>
        <source>CONFIGURATION CURRENT</source>
        <translation>CONFIGURACIÓN ACTUALIZADA</translation>
    </message>
    <message>
        <source>Data Status:</source>
        <translation>Estado de los datos:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
</context>
<context>
    <name>RYXSaveNamePrompt</name>
    <message>
        <source>This file already exists, would you like to overwrite it?</source>
        <translation>Este archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>RYXSysManager</name>
    <message>
        <source>Delete the station %1 and everything under it from the tree?</source>
        <translation>¿Eliminar del árbol la estación %1 y todo lo que contiene?</translation>
    </message>
    <message>
        <source>Its unsaved changes will be lost.</source>
        <translation>Se perderán sus cambios sin guardar.</translation>
    </message>
</context>
<context>
    <name>RYXWindowActions</name>
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
        <source>RYX Configuration Program V</source>
        <translation>Programa de configuración RYX V</translation>
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
        <source>Add Module</source>
        <translation>Agregar módulo</translation>
    </message>
    <message>
        <source>&amp;Communications</source>
        <translation>&amp;Comunicaciones</translation>
    </message>
    <message>
        <source>Read Back Downloads</source>
        <translation>Releer las descargas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
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
        <source>File</source>
        <translation>Archivo</translation>
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
</context>
<context>
    <name>StationMonitor</name>
    <message>
        <source>Disconnecting because:

Communication with the device was lost.

You must reconnect once the problem is resolved.</source>
        <translation>Desconectando porque:

Se perdió la comunicación con el dispositivo.

Debe volver a conectarse cuando se resuelva el problema.</translation>
    </message>
</context>
<context>
    <name>StatusWordText</name>
    <message>
        <source>An error occurred in one of the attached I/O modules.</source>
        <translation>Se produjo un error en uno de los módulos de E/S conectados.</translation>
    </message>
    <message>
        <source>RAM test error or no RAM found.</source>
        <translation>Error en la prueba de RAM o no se encontró RAM.</translation>
    </message>
    <message>
        <source>File system initialization error.</source>
        <translation>Error de inicialización del sistema de archivos.</translation>
    </message>
    <message>
        <source>File system was formatted (possibly due to corrupted file system.)</source>
        <translation>Se formateó el sistema de archivos (posiblemente por estar dañado).</translation>
    </message>
    <message>
        <source>Missing system configuration file.</source>
        <translation>Falta el archivo de configuración del sistema.</translation>
    </message>
    <message>
        <source>Bad clock battery.</source>
        <translation>Batería del reloj defectuosa.</translation>
    </message>
    <message>
        <source>Missing or corrupted password file.  Default loaded.</source>
        <translation>Falta el archivo de contraseñas o está dañado. Se cargó el predeterminado.</translation>
    </message>
    <message>
        <source>I/O module port failure.</source>
        <translation>Fallo del puerto de los módulos de E/S.</translation>
    </message>
    <message>
        <source>Failure to start one or more network services.</source>
        <translation>No se pudieron iniciar uno o más servicios de red.</translation>
    </message>
    <message>
        <source>Data logger could not be initialized.</source>
        <translation>No se pudo inicializar el registrador de datos.</translation>
    </message>
    <message>
        <source>Data Logger failed to restore records from non-volatile ram.</source>
        <translation>El registrador de datos no pudo restaurar los registros de la RAM no volátil.</translation>
    </message>
    <message>
        <source>File system full.</source>
        <translation>Sistema de archivos lleno.</translation>
    </message>
    <message>
        <source>BBM battery failed.</source>
        <translation>Falló la batería del BBM.</translation>
    </message>
    <message>
        <source>Input power failed, running on BBM.</source>
        <translation>Falló la alimentación de entrada; funcionando con el BBM.</translation>
    </message>
    <message>
        <source>ISaGRAF Kernel has caused a system fault and has shut down.</source>
        <translation>El núcleo ISaGRAF causó un fallo del sistema y se detuvo.</translation>
    </message>
    <message>
        <source>Lost producer on MODBUS 1.</source>
        <translation>Se perdió el productor en MODBUS 1.</translation>
    </message>
    <message>
        <source>Lost producer on MODBUS 2.</source>
        <translation>Se perdió el productor en MODBUS 2.</translation>
    </message>
    <message>
        <source>Incompatible Module Type(s) on MODBUS 1.</source>
        <translation>Tipos de módulo incompatibles en MODBUS 1.</translation>
    </message>
    <message>
        <source>Incompatible Module Type(s) on MODBUS 2.</source>
        <translation>Tipos de módulo incompatibles en MODBUS 2.</translation>
    </message>
    <message>
        <source>Error in producer channel(s) or module(s).</source>
        <translation>Error en los canales o módulos productores.</translation>
    </message>
    <message>
        <source>Could not join network, duplicate address.</source>
        <translation>No se pudo unir a la red: dirección duplicada.</translation>
    </message>
    <message>
        <source>Interface Module Status</source>
        <translation>Estado del módulo de interfaz</translation>
    </message>
    <message>
        <source>BBM is disconnected.</source>
        <translation>El BBM está desconectado.</translation>
    </message>
    <message>
        <source>MODBUS Peer to Peer Status</source>
        <translation>Estado punto a punto MODBUS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TIChannelDialog</name>
    <message>
        <source>Temperature Input Channel</source>
        <translation>Canal de entrada de temperatura</translation>
    </message>
    <message>
        <source>Input Type:</source>
        <translation>Tipo de entrada:</translation>
    </message>
    <message>
        <source>Selects the input type</source>
        <translation>Selecciona el tipo de entrada</translation>
    </message>
    <message>
        <source>Sensor Type:</source>
        <translation>Tipo de sensor:</translation>
    </message>
    <message>
        <source>Selects the sensor type</source>
        <translation>Selecciona el tipo de sensor</translation>
    </message>
    <message>
        <source>Base Resistance:</source>
        <translation>Resistencia base:</translation>
    </message>
    <message>
        <source>Selects the sensor&apos;s base resistance</source>
        <translation>Selecciona la resistencia base del sensor</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>Selects the sensor&apos;s connection</source>
        <translation>Selecciona la conexión del sensor</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>Unidades:</translation>
    </message>
    <message>
        <source>Selects the input units</source>
        <translation>Selecciona las unidades de entrada</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Ambient Temp</source>
        <translation>Temp. ambiente</translation>
    </message>
    <message>
        <source>Selects the ambient temperature units</source>
        <translation>Selecciona las unidades de la temperatura ambiente</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>Mantener último</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>On Failure:</source>
        <translation>En caso de fallo:</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>Valor predefinido:</translation>
    </message>
    <message>
        <source>Broken Wire Detection</source>
        <translation>Detección de cable roto</translation>
    </message>
</context>
<context>
    <name>TIChannelObject</name>
    <message>
        <source>I/O Channel Fail</source>
        <translation>Fallo del canal de E/S</translation>
    </message>
    <message>
        <source>Channel Not Used</source>
        <translation>Canal no utilizado</translation>
    </message>
    <message>
        <source>Run-Time Fail</source>
        <translation>Fallo en ejecución</translation>
    </message>
    <message>
        <source>A/D Converter Fail</source>
        <translation>Fallo del convertidor A/D</translation>
    </message>
    <message>
        <source>EEPROM Fail</source>
        <translation>Fallo de EEPROM</translation>
    </message>
    <message>
        <source>A/D Input Saturated</source>
        <translation>Entrada A/D saturada</translation>
    </message>
    <message>
        <source>Out of Table Range</source>
        <translation>Fuera del rango de la tabla</translation>
    </message>
    <message>
        <source>Broken Wire #1</source>
        <translation>Cable roto n.º 1</translation>
    </message>
    <message>
        <source>Broken Wire #2</source>
        <translation>Cable roto n.º 2</translation>
    </message>
    <message>
        <source>Broken Wire #3</source>
        <translation>Cable roto n.º 3</translation>
    </message>
    <message>
        <source>Broken Wire #4</source>
        <translation>Cable roto n.º 4</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>Canal desactivado</translation>
    </message>
    <message>
        <source>Broken RJC</source>
        <translation>RJC roto</translation>
    </message>
    <message>
        <source>Failed to read Status</source>
        <translation>No se pudo leer el estado</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>No se pudo leer el PV</translation>
    </message>
    <message>
        <source>Failed to read Ambient Temperature</source>
        <translation>No se pudo leer la temperatura ambiente</translation>
    </message>
</context>
<context>
    <name>TIModuleDialog</name>
    <message>
        <source>TImodule</source>
        <translation>Módulo TI</translation>
    </message>
    <message>
        <source>There are no configurable parameters for the TIM, please select a channel.</source>
        <translation>El TIM no tiene parámetros configurables; seleccione un canal.</translation>
    </message>
    <message>
        <source>Select Channel</source>
        <translation>Seleccionar canal</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
</context>
<context>
    <name>TransferContext</name>
    <message>
        <source>Communication with the device was lost.</source>
        <translation>Se perdió la comunicación con el dispositivo.</translation>
    </message>
    <message>
        <source>The device is missing or has failed.</source>
        <translation>Falta el dispositivo o ha fallado.</translation>
    </message>
    <message>
        <source>The device does not match.</source>
        <translation>El dispositivo no coincide.</translation>
    </message>
    <message>
        <source>The number of modules does not match.</source>
        <translation>El número de módulos no coincide.</translation>
    </message>
    <message>
        <source>The type(s) of the module(s) does not match.</source>
        <translation>El tipo de los módulos no coincide.</translation>
    </message>
    <message>
        <source>Retry limit exceeded.</source>
        <translation>Se superó el límite de reintentos.</translation>
    </message>
    <message>
        <source>The device does not hold what was downloaded.</source>
        <translation>El dispositivo no contiene lo que se descargó.</translation>
    </message>
    <message>
        <source>Undetermined failure (please report.)</source>
        <translation>Fallo indeterminado (por favor, infórmelo).</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>carga</translation>
    </message>
    <message>
        <source>download</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>synchronize</source>
        <translation>sincronización</translation>
    </message>
    <message>
        <source>Cause: </source>
        <translation>Causa: </translation>
    </message>
</context>
<context>
    <name>TrimPluginDialog</name>
    <message>
        <source>Specifies the Lower Trim Point.  When the output variable equals this value, it is mapped to the Lower Captured Value.</source>
        <translation>Especifica el punto de ajuste inferior. Cuando la variable de salida es igual a este valor, se asigna al valor capturado inferior.</translation>
    </message>
    <message>
        <source>Specifies the Upper Trim Point.  When the output variable equals this value, it is mapped to the Upper Captured Value.</source>
        <translation>Especifica el punto de ajuste superior. Cuando la variable de salida es igual a este valor, se asigna al valor capturado superior.</translation>
    </message>
    <message>
        <source>Displays the Lower Captured Value.  When the output variable equals the Lower Trim Point, it is mapped to this value.</source>
        <translation>Muestra el valor capturado inferior. Cuando la variable de salida es igual al punto de ajuste inferior, se asigna a este valor.</translation>
    </message>
    <message>
        <source>Displays the Upper Captured Value.  When the output variable equals the Upper Trim Point, it is mapped to this value.</source>
        <translation>Muestra el valor capturado superior. Cuando la variable de salida es igual al punto de ajuste superior, se asigna a este valor.</translation>
    </message>
    <message>
        <source>Displays and allows modification of the Lower Trim Capture by controlling the actual output</source>
        <translation>Muestra y permite modificar la captura de ajuste inferior controlando la salida real</translation>
    </message>
    <message>
        <source>Displays and allows modification of the Upper Trim Capture by controlling the actual output</source>
        <translation>Muestra y permite modificar la captura de ajuste superior controlando la salida real</translation>
    </message>
    <message>
        <source>Specifies the Lower Trim Point.  When the measured input equals the Lower Captured Value, it is mapped to this value.</source>
        <translation>Especifica el punto de ajuste inferior. Cuando la entrada medida es igual al valor capturado inferior, se asigna a este valor.</translation>
    </message>
    <message>
        <source>Specifies the Upper trim point.  When the measured input equals the Upper Captured Value, it is mapped to this value.</source>
        <translation>Especifica el punto de ajuste superior. Cuando la entrada medida es igual al valor capturado superior, se asigna a este valor.</translation>
    </message>
    <message>
        <source>Displays the Lower Captured Value.  When the measured input equals this value, it is mapped to the Lower Trim Point.</source>
        <translation>Muestra el valor capturado inferior. Cuando la entrada medida es igual a este valor, se asigna al punto de ajuste inferior.</translation>
    </message>
    <message>
        <source>Displays the Upper Captured Value.  When the measured input equals this value, it is mapped to the Upper Trim Point.</source>
        <translation>Muestra el valor capturado superior. Cuando la entrada medida es igual a este valor, se asigna al punto de ajuste superior.</translation>
    </message>
    <message>
        <source>Allows modification of the Lower Trim Capture by capturing the actual input</source>
        <translation>Permite modificar la captura de ajuste inferior capturando la entrada real</translation>
    </message>
    <message>
        <source>Allows modification of the Upper Trim Capture by capturing the actual input</source>
        <translation>Permite modificar la captura de ajuste superior capturando la entrada real</translation>
    </message>
</context>
<context>
    <name>TrimPluginForm</name>
    <message>
        <source>Trimming</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Trim Mode</source>
        <translation>Modo de ajuste</translation>
    </message>
    <message>
        <source>One Point</source>
        <translation>Un punto</translation>
    </message>
    <message>
        <source>Two Point</source>
        <translation>Dos puntos</translation>
    </message>
    <message>
        <source>Lower Trim</source>
        <translation>Ajuste inferior</translation>
    </message>
    <message>
        <source>Lower Trim Point:</source>
        <translation>Punto de ajuste inferior:</translation>
    </message>
    <message>
        <source>Lower Captured Value:</source>
        <translation>Valor capturado inferior:</translation>
    </message>
    <message>
        <source>Trim Lower</source>
        <translation>Ajustar inferior</translation>
    </message>
    <message>
        <source>Upper Trim</source>
        <translation>Ajuste superior</translation>
    </message>
    <message>
        <source>Upper Trim Point:</source>
        <translation>Punto de ajuste superior:</translation>
    </message>
    <message>
        <source>Upper Captured Value:</source>
        <translation>Valor capturado superior:</translation>
    </message>
    <message>
        <source>Trim Upper</source>
        <translation>Ajustar superior</translation>
    </message>
</context>
<context>
    <name>UndeterminedModuleForm</name>
    <message>
        <source>Undetermined Module</source>
        <translation>Módulo indeterminado</translation>
    </message>
    <message>
        <source>Nothing To Configure</source>
        <translation>Nada que configurar</translation>
    </message>
    <message>
        <source>The type of this module is currently undetermined, there is nothing that can be configured.</source>
        <translation>El tipo de este módulo no está determinado; no hay nada que configurar.</translation>
    </message>
</context>
<context>
    <name>UndeterminedModuleObject</name>
    <message>
        <source>Module Type Code:</source>
        <translation>Código de tipo de módulo:</translation>
    </message>
    <message>
        <source>Cannot read PV</source>
        <translation>No se puede leer el valor de proceso</translation>
    </message>
    <message>
        <source>Uploading </source>
        <translation>Cargando </translation>
    </message>
    <message>
        <source>%1 Upload aborted, can&apos;t ul undetermined</source>
        <translation>%1: carga cancelada, un módulo indeterminado no se puede cargar</translation>
    </message>
    <message>
        <source>Downloading </source>
        <translation>Descargando </translation>
    </message>
    <message>
        <source>%1...download aborted, can&apos;t dl undetermined</source>
        <translation>%1: descarga cancelada, un módulo indeterminado no se puede descargar</translation>
    </message>
</context>
<context>
    <name>VELXmlHandler</name>
    <message>
        <source>no device element</source>
        <translation>no hay elemento de dispositivo</translation>
    </message>
    <message>
        <source>unexpected end of element &lt;%1&gt;</source>
        <translation>fin inesperado del elemento &lt;%1&gt;</translation>
    </message>
    <message>
        <source>text where the file holds none</source>
        <translation>texto donde el archivo no lleva ninguno</translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation>no se aceptan declaraciones de tipo de documento</translation>
    </message>
    <message>
        <source>unresolved entity reference &amp;%1;</source>
        <translation>referencia de entidad sin resolver &amp;%1;</translation>
    </message>
    <message>
        <source>text after the device element</source>
        <translation>texto después del elemento de dispositivo</translation>
    </message>
    <message>
        <source>A further top-level element &lt;%1&gt; on line %2 was ignored: a file holds one device.</source>
        <translation>Se ignoró otro elemento de nivel superior &lt;%1&gt; en la línea %2: un archivo contiene un solo dispositivo.</translation>
    </message>
    <message>
        <source>%1 further top-level elements were ignored, the first &lt;%2&gt; on line %3: a file holds one device.</source>
        <translation>Se ignoraron %1 elementos de nivel superior más, el primero &lt;%2&gt; en la línea %3: un archivo contiene un solo dispositivo.</translation>
    </message>
    <message>
        <source>&lt;%1&gt; inside a VALUE element</source>
        <translation>&lt;%1&gt; dentro de un elemento VALUE</translation>
    </message>
    <message>
        <source>a VALUE element outside of any object element</source>
        <translation>un elemento VALUE fuera de cualquier elemento de objeto</translation>
    </message>
    <message>
        <source>unknown element &lt;%1&gt;</source>
        <translation>elemento desconocido &lt;%1&gt;</translation>
    </message>
    <message>
        <source>elements nested deeper than any device tree</source>
        <translation>elementos anidados a más profundidad que cualquier árbol de dispositivos</translation>
    </message>
    <message>
        <source>A VALUE element without a key or a value in &lt;%1&gt; (line %2) was ignored.</source>
        <translation>Se ignoró un elemento VALUE sin clave o sin valor en &lt;%1&gt; (línea %2).</translation>
    </message>
    <message>
        <source>%1 channel %2 ignored: the %3 element has no such channel.</source>
        <translation>%1 canal %2 ignorado: el elemento %3 no tiene ese canal.</translation>
    </message>
    <message>
        <source>%1 ignored: the %2 element has no such plug-in.</source>
        <translation>%1 ignorado: el elemento %2 no tiene ese complemento.</translation>
    </message>
    <message>
        <source>Configuration data could not be read: %1 (line %2, column %3)</source>
        <translation>No se pudieron leer los datos de configuración: %1 (línea %2, columna %3)</translation>
    </message>
</context>
<context>
    <name>XIMInternalsForm</name>
    <message>
        <source>Internals</source>
        <translation>Datos internos</translation>
    </message>
    <message>
        <source>I/O Scan Mode</source>
        <translation>Modo de exploración de E/S</translation>
    </message>
    <message>
        <source>Scanning enabled</source>
        <translation>Exploración activada</translation>
    </message>
    <message>
        <source>Scanning disabled</source>
        <translation>Exploración desactivada</translation>
    </message>
    <message>
        <source>Read Scan Mode</source>
        <translation>Leer modo de exploración</translation>
    </message>
    <message>
        <source>Write Scan Mode</source>
        <translation>Escribir modo de exploración</translation>
    </message>
    <message>
        <source>Scan Line Control</source>
        <translation>Control de líneas de exploración</translation>
    </message>
    <message>
        <source>Write Scan Lines</source>
        <translation>Escribir líneas de exploración</translation>
    </message>
</context>
<context>
    <name>XIMProcessDialog</name>
    <message>
        <source>IDLE</source>
        <translation>EN REPOSO</translation>
    </message>
    <message>
        <source>VERIFYING DEVICE</source>
        <translation>VERIFICANDO EL DISPOSITIVO</translation>
    </message>
    <message>
        <source>REFRESHING DATA</source>
        <translation>ACTUALIZANDO DATOS</translation>
    </message>
    <message>
        <source>&lt;n/a&gt;</source>
        <translation>&lt;n/d&gt;</translation>
    </message>
</context>
<context>
    <name>XIMProcessForm</name>
    <message>
        <source>Process Data</source>
        <translation>Datos de proceso</translation>
    </message>
    <message>
        <source>Monitor process data</source>
        <translation>Supervisar datos de proceso</translation>
    </message>
    <message>
        <source>Update every (seconds)</source>
        <translation>Actualizar cada (segundos)</translation>
    </message>
    <message>
        <source>Analog precision (decimals)</source>
        <translation>Precisión analógica (decimales)</translation>
    </message>
    <message>
        <source>Monitor status</source>
        <translation>Estado de la supervisión</translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation>EN REPOSO</translation>
    </message>
    <message>
        <source>Last update</source>
        <translation>Última actualización</translation>
    </message>
    <message>
        <source>&lt;n/a&gt;</source>
        <translation>&lt;n/d&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Process Variable</source>
        <translation>Variable de proceso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>XIMProcessObjectPlugin</name>
    <message>
        <source>Data Status:</source>
        <translation>Estado de los datos:</translation>
    </message>
    <message>
        <source>PROCESS DATA CURRENT</source>
        <translation>DATOS DE PROCESO ACTUALIZADOS</translation>
    </message>
    <message>
        <source>PROCESS DATA STALE</source>
        <translation>DATOS DE PROCESO ANTIGUOS</translation>
    </message>
</context>
<context>
    <name>ZEMPPort</name>
    <message>
        <source>port closed</source>
        <translation>puerto cerrado</translation>
    </message>
    <message>
        <source>request not sent</source>
        <translation>petición no enviada</translation>
    </message>
    <message>
        <source>reply with a length byte of 0</source>
        <translation>respuesta con un byte de longitud 0</translation>
    </message>
</context>
<context>
    <name>ZEMPTCPPort</name>
    <message>
        <source>reply longer than %1 bytes</source>
        <translation>respuesta de más de %1 bytes</translation>
    </message>
    <message>
        <source>malformed reply</source>
        <translation>respuesta mal formada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host no encontrado</translation>
    </message>
</context>
<context>
    <name>ZempFailure</name>
    <message>
        <source>point </source>
        <translation>punto </translation>
    </message>
    <message>
        <source>address </source>
        <translation>dirección </translation>
    </message>
    <message>
        <source> behind </source>
        <translation> detrás de </translation>
    </message>
    <message>
        <source> by </source>
        <translation> por </translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>checksum fault in the reply</source>
        <translation>error de suma de comprobación en la respuesta</translation>
    </message>
    <message>
        <source>request too long to send</source>
        <translation>petición demasiado larga para enviarla</translation>
    </message>
    <message>
        <source>device error %1</source>
        <translation>error del dispositivo %1</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>sin respuesta en %1 s</translation>
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
