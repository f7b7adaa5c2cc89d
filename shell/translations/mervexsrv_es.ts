<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>PERFIL</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>CREAR CUENTA NUEVA</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>Crear una cuenta nueva de MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>Nombre de usuario de MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>Contraseña de MERVEX World</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>Mantener la sesión iniciada</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>INICIAR SESIÓN</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>Iniciar sesión en MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>¿Olvidó su contraseña?</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>ERROR DE AUTENTICACIÓN</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>Falta el correo y/o la contraseña.
Cree una cuenta.</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>Correo y/o contraseña no válidos.</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>Demasiados intentos de inicio de sesión, inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>Servidor no disponible, inténtelo más tarde.</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>Nueva cuenta MERVEX™</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>No se pudo verificar el certificado del servicio de cuentas. La página no se ha abierto.</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>AÑADIR DISPOSITIVO: MODO DE EMPAREJAMIENTO</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>Por favor, &lt;font color=&apos;white&apos;&gt;conecte&lt;/font&gt; ahora su dispositivo móvil&lt;br&gt;mediante la app MERVEX™ Velli-Chor.</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>ACTUALIZACIÓN DE VELLI-CHOR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 está disponible
¿Desea descargar la nueva versión ahora?</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>NOTAS DE LA VERSIÓN - MERVEX™ VELLI-CHOR™ %1:</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>RECORDAR MÁS TARDE</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>Versión instalada:</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>Última versión:</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>DESCARGANDO ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>INSTALAR</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>DESCARGAR</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nueva versión disponible</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Descarga en curso</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>ERROR DE DESCARGA</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>¡Error al descargar el archivo! Inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>Archivo dañado. Intente la descarga más tarde.</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>El instalador descargado no se puede abrir en este sistema.</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>El instalador descargado no lleva una firma MERVEX válida. No se ha guardado.</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>Definir color personalizado</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>Arrastrar para tomar un color de la pantalla (con el clic derecho no se oculta la ventana principal)</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>Tono/Saturación</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminancia</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>Color resultante</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>No se puede borrar el archivo temporal: </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>No se encontró el compilador de traducciones &quot;lrelease&quot;; no se puede compilar: </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>El compilador de traducciones terminó con el código %1: </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>No se puede cargar: </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>El compilador de traducciones no terminó en %1 segundos y se detuvo: </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>ADVERTENCIA DE SEGURIDAD</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>El complemento &apos;%1&apos; quiere cargar: &apos;%2&apos;
¿Desea permitirlo?</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>Recordar mi decisión</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>No se puede escribir el archivo: </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>Cuadrícula no encontrada: </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nombre de archivo no válido: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>¡La cuadrícula %1 ya existe!</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>No es una cuadrícula personalizada: </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>No se puede borrar el archivo: </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>conectando...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>conectando a: %1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>Prueba de la conexión de correo</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>terminado correctamente</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>inicio de sesión correcto</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>Sesión caducada.</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>Sesión válida hasta: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Sesión no iniciada.</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Inicio de sesión en Facebook</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>Prueba de canales de noticias</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>probando URL ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>No se encontraron URL válidas.</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>¿Aplicar los resultados?</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>Correctas:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Fallidas:</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>Fuente de canal RSS</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> no es un canal RSS/Atom.</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>Seleccione otra URL de canal en su lugar:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>Seleccionar este canal RSS/Atom en su lugar</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Quitar URL</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>Quitar URL de la lista</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>redirección sin destino</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>estado HTTP %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>el certificado de %1 no es de confianza: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>autorización pendiente</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API no disponible</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>conectando ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>entró en el canal</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>salió del canal</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>Sesión iniciada: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Sesión no iniciada.</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Inicio de sesión en Twitter</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>No hay nombre libre para la cuadrícula: </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>La cuadrícula %1 no se ha escrito: %2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>AÑADIR / EDITAR CUADRÍCULA</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>AJUSTES DE LA CUADRÍCULA</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>Fondo de cuadrícula (640x960px):</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Seleccionar fondo</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>Cambio automático:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> Asigne hasta 3 rutas de ejecutables de juegos o aplicaciones a esta cuadrícula. Al iniciar el juego o la aplicación, la app Velli-Chor cambiará automáticamente a la cuadrícula/pestaña correspondiente.</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>AJUSTES DE PESTAÑA</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>Icono:</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Seleccionar icono</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>Colorear:</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>Alin./Margen:</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = restablecer</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>Seleccionar ejecutable</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>¡El nombre de la cuadrícula no puede estar vacío!</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>¡La cuadrícula %1 ya existe!</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>No se pudo cambiar el nombre del archivo de la cuadrícula: %1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>Solo se pueden añadir controles a cuadrículas personalizadas.</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>No hay sitio libre para este control en la cuadrícula.</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>Elija un control
de una categoría.</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>Ajuste el control.
Vista previa aquí.</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>Colóquelo en la cuadrícula. </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> Añada la cuadrícula
a la barra de pestañas.</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>SERVICIO
DESACTIVADO</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>Iniciar/detener el servicio Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Iniciar Velli-Chor al iniciar sesión en Windows</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>INICIAR CON LA SESIÓN DE WINDOWS</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>Dirección IP del equipo</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>SERVICIO DEL EQUIPO – LANZADOR</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>SERVICIO
INICIADO</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>SERVICIO
CON ERROR</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>Iniciar Velli-Chor al iniciar sesión</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>EJECUTAR AL INICIAR SESIÓN</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>Importar paquete ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>No se puede importar el archivo: </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>Complemento encontrado</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>¿Desea importar este complemento?</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>El complemento no tiene un nombre válido: </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>El paquete del complemento no contiene archivos: </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>La carpeta ya existe</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>Los datos existentes se sobrescribirán.</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>No se pudo instalar el complemento: </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>Complemento importado</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>Complemento importado.
Reinicie Mervex Velli-Chor-Launcher.</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>El complemento se instaló, pero su biblioteca se rechaza:</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>IMPORTAR UN PAQUETE VELLI-CHOR™</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>EXPORTAR UN PAQUETE VELLI-CHOR™</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>CONTROLES A IMPORTAR</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>CONTROLES A EXPORTAR</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>CUADRÍCULAS A IMPORTAR</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>CUADRÍCULAS A EXPORTAR</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>INFORMACIÓN DEL PAQUETE</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>CONTROLES:</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Mis controles</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>CUADRÍCULA:</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Mis cuadrículas</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>INFORMACIÓN:</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>Puede añadir más información a su
paquete MERVEX™ Velli-Chor™.</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>Nombre del paquete:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importar paquete ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>No se puede importar el archivo: </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>El paquete no contiene controles ni cuadrículas: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>No hay elementos seleccionados.</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>No se importaron los controles: </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>Exportar paquete como ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>No se puede escribir el archivo: </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>No empaquetado, fuera de las carpetas de datos y de usuario:</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>No se puede cargar: </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>Traducción personalizada cargada: </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>Traza</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Guardar como ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>Guardar archivo de registro como ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>CONTROLES:</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>IMPORTAR Y EXPORTAR:</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>INTERCAMBIE CONTROLES Y CUADRÍCULAS.</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>IMPORTAR
PAQUETE</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>Importar paquete de cuadrículas y controles</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>EXPORTAR
PAQUETE</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>Exportar paquete de cuadrículas y controles</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>Categoría de elementos de botón</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>Controles predefinidos</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>Controles Premium</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>Controles de complementos</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Controles personalizados</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>¿ELIMINAR CONTROL PERSONALIZADO?</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>¿Desea eliminar: </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>elegir archivo ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Asignar un atajo ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Iniciar una aplicación ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Abrir (archivo/documento/sitio web) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Abrir un sitio web ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Asignar una macro ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>EDITOR DE CONTROLES:</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>VISTA PREVIA DEL CONTROL:</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>Guardar la configuración del control</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>Exportar el control con sus imágenes personalizadas</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>Importar control o cuadrícula</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>A LA CUADRÍCULA
AÑADIR</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>Añadir el control a la cuadrícula</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>Aplicar la configuración al control</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>Botón derecho para interactuar, botón izquierdo para arrastrar a la cuadrícula</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>Funciones/descripción:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>Grabar el atajo pulsando las teclas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Seleccionar sonido</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Archivos de imagen (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Archivos de sonido (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Todos (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>No se guardó el control: </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>Guardar control personalizado como ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>No se guardó el control: necesita una categoría y un nombre.</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>Exportar control como ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>No se puede escribir el archivo: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>No empaquetado, fuera de las carpetas de datos y de usuario:</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>Importar control ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>No se puede importar el archivo: </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>Archivo no válido: </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>Crear cuadrícula nueva</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>Guardar cuadrícula</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>Guardar cuadrícula como</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>Editar ajustes de la cuadrícula</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>Quitar todos los controles de la cuadrícula</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>Eliminar cuadrícula</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>Mostrar ayuda de pestañas</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>Mover pestaña a la izquierda</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>Mover pestaña a la derecha</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>Mostrar pestaña en el dispositivo móvil</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>Quitar pestaña del dispositivo móvil</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>Añadir cuadrícula a la barra de pestañas</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>Cambiar a la cuadrícula anterior</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>Cambiar a la cuadrícula siguiente</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>Ajustes de la cuadrícula</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>AÑADIR</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>EDITAR CUADRÍCULA:</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>PESTAÑAS:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Cuadrículas predefinidas</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Cuadrículas Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Cuadrículas personalizadas</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>Nueva cuadrícula...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Guardar cuadrícula</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>Guardar cuadrícula como ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>Editar/renombrar cuadrícula</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>Borrar todos los bloques</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>Eliminar cuadrícula</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>¡Se superó el número máximo de pestañas!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>ÉXITO</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>Cuadrícula personalizada guardada: </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>Guardar cuadrícula personalizada como ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nombre de archivo no válido: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>¡La cuadrícula %1 ya existe!</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>¿ESTÁ SEGURO?</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>¿Desea vaciar la cuadrícula?</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>¿Seguro que desea eliminar la cuadrícula personalizada: </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>¿GUARDAR CAMBIOS?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>Ha modificado la cuadrícula. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>Ha modificado las pestañas. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>AYUDA DE PESTAÑAS</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>Resumen de pestañas:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;Pestaña preinstalada&lt;/b&gt;&lt;br&gt;Las pestañas con un LED &lt;span style=&apos;color:#28a3dd;&apos;&gt;azul&lt;/span&gt; en la esquina superior derecha vienen preinstaladas y listas para usar.</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>Exportar paquete ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importar paquete ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>EXPLORAR CUADRÍCULAS:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Cuadrículas predefinidas</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Cuadrículas Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Cuadrículas personalizadas</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>Todas las cuadrículas</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>OBTENER MÁS</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>Nombre de la cuadrícula</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadida</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>EDITAR AJUSTES:</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>¿GUARDAR CAMBIOS?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>Ha modificado la configuración. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Ajustes adicionales</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>Reproductor multimedia predeterminado</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>Elija su reproductor multimedia predeterminado</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>Activar sonidos de botones</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>Reproducir el sonido elegido al tocar un botón</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>Protección de datos: garantizamos que toda la información que nos facilite sobre su situación se tratará con estricta confidencialidad.</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>Publicado por MERVEX. El uso está sujeto a los términos de la licencia.</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>QUITAR</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Quitar entrada</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>elegir archivo ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Asignar un atajo ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Iniciar una aplicación ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Abrir (archivo/documento/sitio web) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Abrir un sitio web ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Asignar una macro ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ AÑADIR</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Seleccionar sonido</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Archivos de imagen (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Archivos de sonido (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Ajustes de %1</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>AJUSTES:</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Ajustes de %1</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>ATENCIÓN</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>Introduzca un nombre para el conjunto de macros:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> clic</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTOR DE MACROS</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>SELECCIÓN DE MACRO</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>EDITOR BÁSICO DE MACROS</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ NUEVA</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>Añadir macro nueva</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>Quitar macro</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>SECUENCIA DE TECLAS</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>OPCIONES DE GRABACIÓN</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>INICIAR GRABACIÓN</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>GRABAR RETARDOS</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>OPCIONES DE MACRO</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>REPETIR LA MACRO</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>REPETICIONES (1-255)</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>CÓDIGO DE MACRO</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>Añadir conjunto de macros</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>Eliminar conjunto de macros</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>Macro nueva</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>¿Seguro que desea eliminar el conjunto de macros?
Se eliminarán todas las macros de este conjunto.</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>Macro nueva %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>¿Seguro que desea eliminar la macro seleccionada?</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Insertar retardo</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>Insertar evento del ratón</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>DETENER GRABACIÓN</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> arriba</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> soltado</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> abajo</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> pulsado</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>falta el servidor</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>nombre de usuario o contraseña no válidos</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>falló la conexión con %1</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>respuesta no válida de %1</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>El servidor no admite la seguridad STARTTLS</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>el certificado de %1 no es de confianza: %2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>CREAR</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>SOPORTE</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>EXPLORAR</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>Crear cuadrículas y controles</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Ajustes de Velli-Chor</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Soporte de Velli-Chor</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>Mostrar modo sencillo</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>Carpeta de datos no válida:</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>Guardar ajustes y minimizar Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>Descartar los cambios y minimizar el lanzador en la bandeja del sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>SIN CONEXIÓN A INTERNET</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>Asegúrese de estar conectado a Internet antes de usar esta función.</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 no es un paquete de cuadrícula, control o complemento.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>CONFIRMAR EMPAREJAMIENTO</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>¿Desea emparejar este dispositivo?</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>No se pudo guardar su configuración:
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>ABRIR APLICACIÓN</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>ABRIR ELEMENTO</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>Abrir elemento</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>Elija una aplicación (*.exe) para abrir.</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>Elija una aplicación, documento o carpeta, o introduzca un sitio web para abrir.</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicación:</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>Abrir esto:</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Ejecutable (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Todos (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>ACTIVAR</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>Activar dispositivo</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>DESACTIVAR</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>Desactivar dispositivo</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>ELIMINAR DISPOSITIVO</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Eliminar dispositivo</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ AÑADIR DISPOSITIVO</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>Entra en modo de emparejamiento</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>Activo (emparejado)</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>¿ELIMINAR DISPOSITIVO?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OMITIR</translation>
    </message>
</context>
<context>
    <name>PopupWnd</name>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESTABLECER</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>ASIGNAR UN ATAJO</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>Asignar una tecla de atajo</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>Introduzca aquí su atajo ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>(Single key)</source>
        <translation>(Tecla sola)</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>¿CREAR PESTAÑA PERSONALIZADA?</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>¿Desea crear una pestaña personalizada?</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>EDITAR MOSAICO</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>Mosaico:</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>POR DEFECTO</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>ABRIR SITIO WEB</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir sitio web</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>Introduzca la URL de un sitio web (http://...) para abrir.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
</context>
<context>
    <name>WebLoginDataSource</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>el certificado de %1 no es de confianza: %2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
</context>
</TS>
