<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] Controles estándar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>Vol -</translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation>Vol +</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Silenciar micrófono</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volumen del micrófono</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>Carga de CPU</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>Carga de memoria</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>Memoria usada</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>Memoria libre</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
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
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>Nueva pestaña</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Básicos</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>Envía una tecla o un atajo al PC.</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>Pulsa un atajo o reproduce una macro en el PC: elija uno en la lista Acción.</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>Una imagen propia. Su mosaico mantiene nítidas las esquinas al estirarla.</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>Muestra y ajusta un volumen del PC.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>Silencia y activa el sonido del PC; muestra el estado actual.</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>Silencia y activa el micrófono.</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>Una barra de carga del PC en directo.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>La carga de memoria del PC.</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>Un valor del PC en directo.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>Un mosaico con un texto propio.</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>Hora y fecha del PC.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>El cuadro de mensaje de los scripts de control.</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>Canal de noticias</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>Canales RSS y Atom para los controles de noticias</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>Direcciones de los canales</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>Leer canales de noticias</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>PROBAR CANALES</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>Su buzón para los controles de correo</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Buscar correo nuevo</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>PROBAR CONEXIÓN</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>Lectura del correo</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>Sus noticias para los controles sociales</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>Leer las noticias</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>INICIAR SESIÓN</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>Su cronología para los controles sociales</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>Leer la cronología</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>Mensajes de chat para los controles de chat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>Mostrar mensajes de chat</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CONECTAR</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>Eventos del chat de voz para los controles de chat</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>Seguir el chat de voz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>Mensajes de chat</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>Usuarios que entran</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>Usuarios que salen</translation>
    </message>
</context>
</TS>
