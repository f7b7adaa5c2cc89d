<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>PERFIL</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>CRIAR NOVA CONTA</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>Criar uma nova conta MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>Nome de usuário do MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>Senha do MERVEX World</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>Manter conectado</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ENTRAR</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>Entrar no MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Esqueceu a senha?</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>FALHA NA AUTENTICAÇÃO</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>E-mail e/ou senha ausentes.
Crie uma conta.</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>E-mail e/ou senha inválidos.</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>Muitas tentativas de login, tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>Servidor inacessível, tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>Nova conta MERVEX™</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>Não foi possível verificar o certificado do serviço de contas. A página não foi aberta.</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>ADICIONAR DISPOSITIVO: MODO DE PAREAMENTO</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>Por favor, &lt;font color=&apos;white&apos;&gt;conecte&lt;/font&gt; agora seu dispositivo móvel&lt;br&gt;pelo app MERVEX™ Velli-Chor.</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>ATUALIZAÇÃO DO VELLI-CHOR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 está disponível
Deseja baixar a nova versão agora?</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>NOTAS DA VERSÃO - MERVEX™ VELLI-CHOR™ %1:</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>LEMBRAR MAIS TARDE</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>Versão instalada:</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>Versão mais recente:</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>BAIXANDO ...</translation>
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
        <translation>BAIXAR</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nova versão disponível</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Download em andamento</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>ERRO NO DOWNLOAD</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>Erro ao baixar o arquivo! Tente novamente mais tarde</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro no download</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>Arquivo corrompido. Tente baixar mais tarde.</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>O instalador baixado não pode ser aberto neste sistema.</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>O instalador baixado não tem uma assinatura MERVEX válida. Ele não foi salvo.</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>Definir cor personalizada</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>Arraste para capturar uma cor da tela (com o botão direito a janela principal não é ocultada)</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>Matiz/Saturação</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminância</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>Cor resultante</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>Não é possível excluir o arquivo temporário: </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>O compilador de traduções &quot;lrelease&quot; não foi encontrado; não é possível compilar: </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>O compilador de traduções terminou com o código %1: </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Não é possível carregar: </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>O compilador de traduções não terminou em %1 segundos e foi interrompido: </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>AVISO DE SEGURANÇA</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>O plug-in &apos;%1&apos; quer carregar: &apos;%2&apos;
Deseja permitir?</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>Lembrar minha decisão</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>Não é possível abrir o arquivo: </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Não é possível gravar o arquivo: </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>Grade não encontrada: </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nome de arquivo inválido: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>A grade %1 já existe!</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>Não é uma grade personalizada: </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>Não é possível excluir o arquivo: </translation>
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
        <translation>Testando a conexão de e-mail</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>concluído com sucesso</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>login bem-sucedido</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>Sessão expirada.</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>Sessão válida até: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Não conectado.</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Login no Facebook</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>Teste de feeds de notícias</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>testando URLs ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>Nenhuma URL válida encontrada.</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>Aplicar os resultados?</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>Com sucesso:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Com falha:</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>Fonte de feed RSS</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> não é um feed RSS/Atom.</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>Selecione outra URL de feed:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>Selecionar este feed RSS/Atom</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Remover URL</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>Remover URL da lista</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>grande demais</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>redirecionamento sem destino</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>redirecionamentos demais</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>status HTTP %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>o certificado de %1 não é confiável: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>inativo</translation>
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
        <translation>tempo de conexão esgotado</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>autorização pendente</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexão recusada</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API indisponível</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>inativo</translation>
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
        <translation>entrou no canal</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>saiu do canal</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>Conectado: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Não conectado.</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Login no Twitter</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>Nenhum nome livre para a grade: </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>A grade %1 não foi gravada: %2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>ADICIONAR / EDITAR GRADE</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>CONFIGURAÇÕES DA GRADE</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>Fundo da grade (640x960px):</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Selecionar fundo</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>Troca automática:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> Atribua até 3 caminhos de executáveis de jogos ou aplicativos a esta grade. Ao iniciar o jogo ou aplicativo, o app Velli-Chor mudará automaticamente para a grade/aba correspondente.</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>CONFIGURAÇÕES DA ABA</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>Ícone:</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Selecionar ícone</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>Colorir:</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>Alin./Margem:</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = redefinir</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>Selecionar executável</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>O nome da grade não pode ficar vazio!</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>A grade %1 já existe!</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>Não foi possível renomear o arquivo da grade: %1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>Controles só podem ser adicionados a grades personalizadas.</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>Não há espaço livre para este controle na grade.</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>Escolha um controle
em uma categoria.</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>Ajuste o controle.
Visualize aqui.</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>Coloque na grade. </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> Adicione a grade
à barra de abas.</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>SERVIÇO
DESATIVADO</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>Iniciar/parar o serviço Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Iniciar o Velli-Chor ao fazer logon no Windows</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>INICIAR COM O LOGON DO WINDOWS</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>Endereço IP do host</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>Nome do computador host</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>SERVIÇO DO HOST – INICIADOR</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>SERVIÇO
INICIADO</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>SERVIÇO
COM FALHA</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>Iniciar o Velli-Chor quando o usuário fizer login</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>INICIAR AO FAZER LOGIN</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>Importar pacote ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Não é possível importar o arquivo: </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>Plug-in encontrado</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>Deseja importar este plug-in?</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descrição: </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>O plug-in não tem um nome utilizável: </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>O pacote do plug-in não contém arquivos: </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>A pasta já existe</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>Os dados existentes serão substituídos.</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>Não foi possível instalar o plug-in: </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>Plug-in importado</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>Plug-in importado.
Reinicie o Mervex Velli-Chor-Launcher.</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>O plug-in foi instalado, mas sua biblioteca foi recusada:</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>IMPORTAR UM PACOTE VELLI-CHOR™</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>EXPORTAR UM PACOTE VELLI-CHOR™</translation>
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
        <translation>GRADES A IMPORTAR</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>GRADES A EXPORTAR</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>INFORMAÇÕES DO PACOTE</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>CONTROLES:</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Meus controles</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>GRADE(S):</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Minhas grades</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>INFORMAÇÕES:</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>Adicione mais informações ao seu
pacote MERVEX™ Velli-Chor™.</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>Nome do pacote:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>Endereço de e-mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importar pacote ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Não é possível importar o arquivo: </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>O pacote não contém controles nem grades: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>Nenhum item selecionado.</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>Os controles não foram importados: </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>Exportar pacote como ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Não é possível gravar o arquivo: </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Não empacotado, fora das pastas de dados e do usuário:</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Não é possível carregar: </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>Tradução personalizada carregada: </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>Rastreamento</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuração</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Salvar como ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>Salvar arquivo de log como ...</translation>
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
        <translation>IMPORTAR E EXPORTAR:</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>TROQUE SEUS CONTROLES E GRADES.</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>IMPORTAR
PACOTE</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>Importar pacote de grades e controles</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>EXPORTAR
PACOTE</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>Exportar pacote de grades e controles</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>Categoria de elementos de botão</translation>
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
        <translation>Controles de plug-in</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Controles personalizados</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>EXCLUIR CONTROLE PERSONALIZADO?</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>Deseja excluir: </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>escolher arquivo ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Atribuir um atalho ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Iniciar um aplicativo ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Abrir (arquivo/documento/site) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Abrir um site ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Atribuir uma macro ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>EDITOR DE CONTROLE:</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>PRÉVIA DO CONTROLE:</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>Salvar a configuração do controle</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>Exportar o controle com as imagens personalizadas</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>Importar controle ou grade</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>ADICIONAR
À GRADE</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>Adicionar controle à grade</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>Aplicar a configuração ao controle</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>Botão direito para interagir, botão esquerdo para arrastar e soltar na grade</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>Funções/descrição:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>Gravar o atalho pressionando as teclas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Selecionar imagem</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Selecionar som</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Arquivos de imagem (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Arquivos de som (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Todos (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>O controle não foi salvo: </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>Salvar controle personalizado como ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>O controle não foi salvo: ele precisa de uma categoria e de um nome.</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>Exportar controle como ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Não é possível gravar o arquivo: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Não empacotado, fora das pastas de dados e do usuário:</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>Importar controle ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Não é possível importar o arquivo: </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>Arquivo inválido: </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>Criar nova grade</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>Salvar grade</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>Salvar grade como</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>Editar configurações da grade</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>Remover todos os controles da grade</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>Excluir grade</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>Mostrar ajuda das abas</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>Mover aba para a esquerda</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>Mover aba para a direita</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>Mostrar aba no dispositivo móvel</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>Remover aba do dispositivo móvel</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>Adicionar grade à barra de abas</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>Ir para a grade anterior</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>Ir para a próxima grade</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>Configurações da grade</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>ADICIONAR</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>EDITAR GRADE:</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>EDITAR ABAS:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Grades predefinidas</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Grades Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Grades personalizadas</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>Nova grade...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Salvar grade</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>Salvar grade como ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>Editar/renomear grade</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>Limpar todos os blocos</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>Excluir grade</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>Número máximo de abas excedido!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>SUCESSO</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>Grade personalizada salva: </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>Salvar grade personalizada como ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nome de arquivo inválido: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>A grade %1 já existe!</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>TEM CERTEZA?</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>Deseja limpar sua grade?</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>Deseja realmente excluir a grade personalizada: </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>SALVAR ALTERAÇÕES?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>Você modificou sua grade. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>Você modificou suas abas. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>AJUDA DAS ABAS</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>Visão geral das abas:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;Aba pré-instalada&lt;/b&gt;&lt;br&gt;Abas com um LED &lt;span style=&apos;color:#28a3dd;&apos;&gt;azul&lt;/span&gt; no canto superior direito vêm pré-instaladas e prontas para uso.</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>Exportar pacote ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importar pacote ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>EXPLORAR GRADES:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Grades predefinidas</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Grades Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Grades personalizadas</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>Todas as grades</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>OBTER MAIS</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>Nome da grade</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Adicionada</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>EDITAR CONFIGURAÇÕES:</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>SALVAR ALTERAÇÕES?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>Você modificou sua configuração. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Configurações adicionais</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>Player de mídia padrão</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>Escolha seu player de mídia padrão</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>Ativar sons dos botões</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>Reproduzir o som escolhido ao tocar um botão</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>Proteção de dados: garantimos que todas as informações que você nos fornecer sobre sua situação serão mantidas em sigilo absoluto.</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>Publicado pela MERVEX. O uso está sujeito aos termos da licença.</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>REMOVER</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Remover entrada</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>escolher arquivo ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Atribuir um atalho ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Iniciar um aplicativo ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Abrir (arquivo/documento/site) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Abrir um site ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Atribuir uma macro ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ ADICIONAR</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Adicionar entrada</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Selecionar imagem</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Selecionar som</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Arquivos de imagem (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Arquivos de som (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Configurações de %1</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>CONFIGURAÇÕES:</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Configurações de %1</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>ATENÇÃO</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>Digite um nome para o conjunto de macros:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> clique</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GERENCIADOR DE MACROS</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>SELEÇÃO DE MACRO</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>EDITOR BÁSICO DE MACROS</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ NOVA</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>Adicionar nova macro</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>EXCLUIR</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>Remover macro</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>SEQUÊNCIA DE TECLAS</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>OPÇÕES DE GRAVAÇÃO</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>INICIAR GRAVAÇÃO</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>GRAVAR ATRASOS</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>OPÇÕES DE MACRO</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>REPETIR A MACRO</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>REPETIÇÕES (1-255)</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>CÓDIGO DA MACRO</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>Adicionar conjunto de macros</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>Excluir conjunto de macros</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>Nova macro</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>Deseja realmente excluir o conjunto de macros?
Isso excluirá todas as macros deste conjunto.</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>Nova macro %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>Deseja realmente excluir a macro selecionada?</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Inserir atraso</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>Inserir evento de mouse</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clique</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>Botão do meio</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>PARAR GRAVAÇÃO</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> para cima</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> solto</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> para baixo</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> pressionado</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>servidor ausente</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>nome de usuário ou senha inválidos</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>falha na conexão com %1</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>resposta inválida de %1</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>O servidor não suporta a segurança STARTTLS</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>o certificado de %1 não é confiável: %2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>CRIAR</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>CONFIGURAÇÕES</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>SUPORTE</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>EXPLORAR</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>Criar grades e controles</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Configurações do Velli-Chor</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Suporte do Velli-Chor</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>Mostrar modo fácil</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>Pasta de dados inválida:</translation>
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
        <translation>Alterar idioma</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>Salvar configurações e minimizar o Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>Descartar as alterações e minimizar o iniciador na bandeja do sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>SEM CONEXÃO COM A INTERNET</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>Verifique se você está conectado à internet antes de usar esta função.</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 não é um pacote de grade, controle ou plug-in.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>CONFIRMAR PAREAMENTO</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>Deseja parear com este dispositivo?</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>Não foi possível salvar suas configurações:
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>ABRIR APLICATIVO</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>ABRIR ITEM</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>Abrir aplicativo</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>Abrir item</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>Escolha um aplicativo (*.exe) para abrir.</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>Escolha um aplicativo, documento ou pasta, ou digite um site para abrir.</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicativo:</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>Abrir isto:</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>PASTA</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Executável (*.exe)</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>ATIVAR</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>Ativar dispositivo</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>DESATIVAR</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>Desativar dispositivo</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>EXCLUIR DISPOSITIVO</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Excluir dispositivo</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ ADICIONAR DISPOSITIVO</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>Entra no modo de pareamento</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>Ativo (pareado)</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>Inativo (pareado)</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>EXCLUIR DISPOSITIVO?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PULAR</translation>
    </message>
</context>
<context>
    <name>PopupWnd</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FECHAR</translation>
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
        <translation>REDEFINIR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Selecionar cor</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>ATRIBUIR UM ATALHO</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>Atribuir uma tecla de atalho</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>Digite seu atalho aqui ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>(Tecla única)</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>CRIAR ABA PERSONALIZADA?</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>Deseja criar uma aba personalizada?</translation>
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
        <translation>PADRÃO</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>ABRIR SITE</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir site</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>Digite a URL de um site (http://...) para abrir.</translation>
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
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>o certificado de %1 não é confiável: %2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
</context>
</TS>
