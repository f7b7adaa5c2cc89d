<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] Controles padrão</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Silenciar microfone</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume do microfone</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>Carga da CPU</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>Carga da memória</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>Memória usada</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>Memória livre</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Processos</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>Nova aba</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fechar aba</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
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
        <translation>Ação</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
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
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>Envia uma tecla ou um atalho ao PC.</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>Pressiona um atalho ou executa uma macro no PC: escolha um na lista Ação.</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>Uma imagem sua. O mosaico mantém os cantos nítidos quando ela é esticada.</translation>
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
        <translation>Mostra e ajusta um volume do PC.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>Silencia e reativa o som do PC; mostra o estado atual.</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>Silencia e reativa o microfone.</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>Uma barra de carga do PC em tempo real.</translation>
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
        <translation>A carga da memória do PC.</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>Um valor do PC em tempo real.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>Um mosaico com um texto seu.</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>Hora e data do PC.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>A caixa de mensagem dos scripts de controle.</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>Feed de notícias</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>Feeds RSS e Atom para os controles de notícias</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>Endereços dos feeds</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>Ler feeds de notícias</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>TESTAR FEEDS</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>Sua caixa de correio para os controles de e-mail</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Verificar novos e-mails</translation>
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
        <translation>Segurança</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>TESTAR CONEXÃO</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>Leitura de e-mails</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Abrir com</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>Seu feed de notícias para os controles sociais</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>Ler o feed de notícias</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>ENTRAR</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>Atualizações de status</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
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
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>Sua linha do tempo para os controles sociais</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>Ler a linha do tempo</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>Mensagens de chat para os controles de chat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>Mostrar mensagens de chat</translation>
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
        <translation>Eventos do chat de voz para os controles de chat</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>Seguir o chat de voz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>Mensagens de chat</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>Usuários que entram</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>Usuários que saem</translation>
    </message>
</context>
</TS>
