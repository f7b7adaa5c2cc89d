<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>SORTIR</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>CRÉER UN COMPTE</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>Créer un compte MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>Nom d&apos;utilisateur MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>Mot de passe MERVEX World</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>Rester connecté</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>CONNEXION</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>Se connecter à MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Mot de passe oublié&#xa0;?</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>ÉCHEC DE L&apos;AUTHENTIFICATION</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>E-mail et/ou mot de passe manquant.
Veuillez créer un compte.</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>E-mail et/ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>Trop de tentatives de connexion, réessayez plus tard.</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>Serveur injoignable, réessayez plus tard.</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>Nouveau compte MERVEX™</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>Le certificat du service de comptes n&apos;a pas pu être vérifié. La page n&apos;a pas été ouverte.</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>AJOUTER UN APPAREIL&#xa0;: MODE APPAIRAGE</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>Veuillez maintenant &lt;font color=&apos;white&apos;&gt;connecter&lt;/font&gt; votre appareil mobile&lt;br&gt;via l&apos;app MERVEX™ Velli-Chor.</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>MISE À JOUR VELLI-CHOR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 est disponible
Voulez-vous télécharger la nouvelle version maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>NOTES DE VERSION - MERVEX™ VELLI-CHOR™ %1&#xa0;:</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>RAPPELER PLUS TARD</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>Version installée&#xa0;:</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>Dernière version&#xa0;:</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>TÉLÉCHARGEMENT ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>INSTALLER</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>TÉLÉCHARGER</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nouvelle version disponible</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>ERREUR DE TÉLÉCHARGEMENT</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>Erreur lors du téléchargement du fichier&#xa0;! Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>Fichier corrompu. Veuillez réessayer le téléchargement plus tard.</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>Le programme d&apos;installation téléchargé ne peut pas être ouvert sur ce système.</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>Le programme d&apos;installation téléchargé ne porte pas de signature MERVEX valide. Il n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>Définir une couleur personnalisée</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>Glisser pour prélever une couleur à l&apos;écran (clic droit&#xa0;: la fenêtre principale reste affichée)</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>Teinte/Saturation</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>Couleur obtenue</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>Impossible de supprimer le fichier temporaire&#xa0;: </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>Le compilateur de traductions «&#xa0;lrelease&#xa0;» est introuvable ; compilation impossible&#xa0;: </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>Le compilateur de traductions s&apos;est terminé avec le code %1&#xa0;: </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Impossible de charger&#xa0;: </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>Le compilateur de traductions n&apos;a pas terminé en %1 secondes et a été arrêté&#xa0;: </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>AVERTISSEMENT DE SÉCURITÉ</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>Le plug-in «&#xa0;%1&#xa0;» veut charger&#xa0;: «&#xa0;%2&#xa0;»
Voulez-vous l&apos;autoriser&#xa0;?</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>Mémoriser mon choix</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>Grille introuvable&#xa0;: </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nom de fichier non valide&#xa0;: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>La grille %1 existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>Grille non personnalisée&#xa0;: </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>Impossible de supprimer le fichier&#xa0;: </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>connexion...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>connexion à&#xa0;: %1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>Test de la connexion e-mail</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>terminé avec succès</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>connexion réussie</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>Session expirée.</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>Session valide jusqu&apos;à&#xa0;: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Connexion Facebook</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>Test du fil d&apos;actualités</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>test des URL ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>Aucune URL valide trouvée.</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>Appliquer les résultats&#xa0;?</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>Réussies&#xa0;:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Échouées&#xa0;:</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>Source de flux RSS</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> n&apos;est pas un flux RSS/Atom.</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>Choisissez plutôt une autre URL de flux&#xa0;:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>Choisir plutôt ce flux RSS/Atom</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Retirer l&apos;URL</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>Retirer l&apos;URL de la liste</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop volumineux</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>redirection sans cible</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>statut HTTP %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>le certificat de %1 n&apos;est pas approuvé&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>délai de connexion dépassé</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>autorisation en attente</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API non disponible</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>connexion ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>a rejoint le canal</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>a quitté le canal</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>Connecté&#xa0;: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Connexion Twitter</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>Aucun nom libre pour la grille&#xa0;: </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>La grille %1 n&apos;a pas été écrite&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>AJOUTER / PARAMÉTRER UNE GRILLE</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>PARAMÈTRES DE LA GRILLE</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>Fond de la grille (640x960px)&#xa0;:</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Choisir le fond</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>Bascule automatique&#xa0;:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info&#xa0;:</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> Indiquez jusqu&apos;à 3 chemins d&apos;exécutables de jeux ou d&apos;applications à associer à cette grille. Au lancement du jeu ou de l&apos;application, l&apos;app Velli-Chor bascule automatiquement sur la grille/l&apos;onglet correspondant.</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>PARAMÈTRES DE L&apos;ONGLET</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>Icône&#xa0;:</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Choisir l&apos;icône</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>Coloriser&#xa0;:</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>Align./Marge&#xa0;:</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = réinitialiser</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>Choisir l&apos;exécutable</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>Le nom de la grille ne doit pas être vide&#xa0;!</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>La grille %1 existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>Le fichier de la grille n&apos;a pas pu être renommé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>Les contrôles ne peuvent être ajoutés qu&apos;aux grilles personnalisées.</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>Il n&apos;y a pas de place libre pour ce contrôle sur la grille.</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>Choisissez un contrôle
dans une catégorie.</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>Réglez le contrôle.
Aperçu ici.</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>Placez-le sur la grille. </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> Ajoutez la grille
à la barre d&apos;onglets.</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>SERVICE
DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>Démarrer/arrêter le service Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Lancer Velli-Chor à l&apos;ouverture de session Windows</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>LANCER À LA CONNEXION WINDOWS</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>Adresse IP de l&apos;hôte</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>Nom de l&apos;ordinateur hôte</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>SERVICE HÔTE – LANCEUR</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>SERVICE
DÉMARRÉ</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>SERVICE
EN ÉCHEC</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>Lancer Velli-Chor à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>LANCER À L&apos;OUVERTURE DE SESSION</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>Importer un paquet ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Impossible d&apos;importer le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>Plug-in trouvé</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>Voulez-vous importer ce plug-in&#xa0;?</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Auteur&#xa0;: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Description&#xa0;: </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>Le plug-in n&apos;a pas de nom utilisable&#xa0;: </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>Le paquet du plug-in ne contient aucun fichier&#xa0;: </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>Le dossier existe déjà</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>Les données existantes seront écrasées.</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>Le plug-in n&apos;a pas pu être installé&#xa0;: </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>Plug-in importé</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>Plug-in importé.
Veuillez redémarrer le Mervex Velli-Chor-Launcher.</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>Le plug-in a été installé, mais sa bibliothèque est refusée&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>IMPORTER UN PAQUET VELLI-CHOR™</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>EXPORTER UN PAQUET VELLI-CHOR™</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>CHOISIR LES CONTRÔLES À IMPORTER</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>CHOISIR LES CONTRÔLES À EXPORTER</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>CHOISIR LES GRILLES À IMPORTER</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>CHOISIR LES GRILLES À EXPORTER</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>INFORMATIONS DU PAQUET</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>CONTRÔLES&#xa0;:</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Mes contrôles</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>GRILLE(S)&#xa0;:</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Mes grilles</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>INFORMATIONS&#xa0;:</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>N&apos;hésitez pas à ajouter des informations
à votre paquet MERVEX™ Velli-Chor™.</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>Nom du paquet&#xa0;:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>Adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importer un paquet ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Impossible d&apos;importer le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>Le paquet ne contient ni contrôle ni grille&#xa0;: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>Aucun élément sélectionné.</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>Les contrôles n&apos;ont pas été importés&#xa0;: </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>Exporter le paquet sous ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Non inclus, hors des dossiers de données et utilisateur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Impossible de charger&#xa0;: </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>Traduction personnalisée chargée&#xa0;: </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Enregistrer sous ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>Enregistrer le journal sous ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>CONTRÔLES&#xa0;:</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>IMPORT ET EXPORT&#xa0;:</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>ÉCHANGEZ VOS CONTRÔLES ET GRILLES.</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>IMPORTER
UN PAQUET</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>Importer un paquet de grilles et de contrôles</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>EXPORTER
UN PAQUET</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>Exporter un paquet de grilles et de contrôles</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>Catégorie d&apos;éléments de bouton</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>Contrôles prédéfinis</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>Contrôles Premium</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>Contrôles de plug-in</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Contrôles personnalisés</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>SUPPRIMER LE CONTRÔLE PERSONNALISÉ&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>Voulez-vous supprimer&#xa0;: </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>choisir un fichier ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Attribuer un raccourci ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Lancer une application ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Ouvrir (fichier/document/site web) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Ouvrir un site web ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Attribuer une macro ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>ÉDITEUR DE CONTRÔLE&#xa0;:</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>APERÇU DU CONTRÔLE&#xa0;:</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>Enregistrer la configuration du contrôle</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>Exporter le contrôle avec ses images personnalisées</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>Importer un contrôle ou une grille</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>AJOUTER À
LA GRILLE</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>Ajouter le contrôle à la grille</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>Appliquer la configuration au contrôle</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>Bouton droit pour interagir, bouton gauche pour glisser-déposer sur la grille</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>Fonctions/description&#xa0;:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>Capturer le raccourci en appuyant sur les touches</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Choisir un son</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Fichiers image (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Fichiers son (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Tous (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>Le contrôle n&apos;a pas été enregistré&#xa0;: </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>Enregistrer le contrôle personnalisé sous ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>Le contrôle n&apos;a pas été enregistré&#xa0;: il lui faut une catégorie et un nom.</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>Exporter le contrôle sous ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Non inclus, hors des dossiers de données et utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>Importer un contrôle ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Impossible d&apos;importer le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>Fichier non valide&#xa0;: </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>Créer une grille</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>Enregistrer la grille</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>Enregistrer la grille sous</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>Modifier les paramètres de la grille</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>Retirer tous les contrôles de la grille</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>Supprimer la grille</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>Afficher l&apos;aide des onglets</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>Déplacer l&apos;onglet vers la gauche</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>Déplacer l&apos;onglet vers la droite</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>Afficher l&apos;onglet sur l&apos;appareil mobile</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>Retirer l&apos;onglet de l&apos;appareil mobile</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>Ajouter la grille à la barre d&apos;onglets</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>Passer à la grille précédente</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>Passer à la grille suivante</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>Paramètres de la grille</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>MODIFIER LA GRILLE&#xa0;:</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>ONGLETS&#xa0;:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Grilles prédéfinies</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Grilles Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Grilles personnalisées</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>Nouvelle grille...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Enregistrer la grille</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>Enregistrer la grille sous ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>Modifier/renommer la grille</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>Effacer tous les blocs</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>Supprimer la grille</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>Nombre maximal d&apos;onglets dépassé&#xa0;!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>SUCCÈS</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>Grille personnalisée enregistrée&#xa0;: </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>Enregistrer la grille personnalisée sous ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>nom de fichier non valide&#xa0;: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>La grille %1 existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>ÊTES-VOUS SÛR&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>Voulez-vous vider votre grille&#xa0;?</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>Voulez-vous vraiment supprimer la grille personnalisée&#xa0;: </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>ENREGISTRER LES MODIFICATIONS&#xa0;?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>Vous avez modifié votre grille. Voulez-vous enregistrer vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>Vous avez modifié vos onglets. Voulez-vous enregistrer vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>AIDE DES ONGLETS</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>Aperçu des onglets&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;Onglet préinstallé&lt;/b&gt;&lt;br&gt;Les onglets avec un voyant &lt;span style=&apos;color:#28a3dd;&apos;&gt;bleu&lt;/span&gt; dans le coin supérieur droit sont préinstallés et prêts à l&apos;emploi.</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>Exporter un paquet ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Importer un paquet ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>PARCOURIR LES GRILLES&#xa0;:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Grilles prédéfinies</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Grilles Premium</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Grilles personnalisées</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>Toutes les grilles</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>EN OBTENIR PLUS</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>Nom de la grille</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajoutée</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>MODIFIER LES PARAMÈTRES&#xa0;:</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>ENREGISTRER LES MODIFICATIONS&#xa0;?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>Vous avez modifié votre configuration. Voulez-vous enregistrer vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Paramètres supplémentaires</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>Lecteur multimédia par défaut</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>Choisissez votre lecteur multimédia par défaut</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>Activer les sons des boutons</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>Jouer le son choisi au toucher d&apos;un bouton</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>Protection des données&#xa0;: nous garantissons que toute information que vous nous communiquez sur votre situation restera strictement confidentielle.</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>Publié par MERVEX. L&apos;utilisation est soumise aux termes de la licence.</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>RETIRER</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Retirer l&apos;entrée</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>choisir un fichier ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Attribuer un raccourci ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Lancer une application ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Ouvrir (fichier/document/site web) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Ouvrir un site web ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Attribuer une macro ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ AJOUTER</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Choisir un son</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Fichiers image (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Fichiers son (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Paramètres %1</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>PARAMÈTRES&#xa0;:</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>Paramètres %1</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>Veuillez saisir un nom pour le jeu de macros&#xa0;:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> clic</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTIONNAIRE DE MACROS</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE LA MACRO</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>ÉDITEUR DE MACRO SIMPLE</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ NOUVELLE</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>Ajouter une macro</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>Supprimer la macro</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>SÉQUENCE DE TOUCHES</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>OPTIONS D&apos;ENREGISTREMENT</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>OPTIONS DE LA MACRO</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>RÉPÉTER LA MACRO</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>CODE DE LA MACRO</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>Ajouter un jeu de macros</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>Supprimer le jeu de macros</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>Nouvelle macro</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>Voulez-vous vraiment supprimer le jeu de macros&#xa0;?
Toutes les macros de ce jeu seront supprimées.</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>Nouvelle macro %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>Voulez-vous vraiment supprimer la macro sélectionnée&#xa0;?</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Insérer un délai</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>Insérer un événement souris</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> vers le haut</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> relâché</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> vers le bas</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> enfoncé</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>serveur manquant</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>nom d&apos;utilisateur ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>échec de la connexion à %1</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>réponse non valide de %1</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>Le serveur ne prend pas en charge la sécurité STARTTLS</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>le certificat de %1 n&apos;est pas approuvé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>CRÉER</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>PARAMÈTRES</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>ASSISTANCE</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>PARCOURIR</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>Créer des grilles et des contrôles</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Paramètres de Velli-Chor</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Assistance Velli-Chor</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>Afficher le mode simple</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>Dossier de données non valide&#xa0;:</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>Enregistrer les paramètres et réduire Velli-Chor Launcher</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>Annuler les modifications et réduire le lanceur dans la zone de notification</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>PAS DE CONNEXION INTERNET</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>Vérifiez que vous êtes connecté à Internet avant d&apos;utiliser cette fonction.</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 n&apos;est pas un paquet de grille, de contrôle ou de plug-in.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>CONFIRMER L&apos;APPAIRAGE</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>Voulez-vous appairer cet appareil ?</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>Vos paramètres n&apos;ont pas pu être enregistrés&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>OUVRIR UNE APPLICATION</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>OUVRIR UN ÉLÉMENT</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>Ouvrir une application</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>Ouvrir un élément</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>Choisissez une application (*.exe) à ouvrir.</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>Choisissez une application, un document, un dossier ou saisissez un site web à ouvrir.</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Application&#xa0;:</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>Ouvrir&#xa0;:</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Exécutable (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Tous (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>ACTIVER</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>Activer l&apos;appareil</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>DÉSACTIVER</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>Désactiver l&apos;appareil</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>SUPPRIMER L&apos;APPAREIL</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Supprimer l&apos;appareil</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ AJOUTER UN APPAREIL</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>Passe en mode appairage</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>Actif (appairé)</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>Inactif (appairé)</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>SUPPRIMER L&apos;APPAREIL&#xa0;?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PASSER</translation>
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
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Choisir une couleur</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>ATTRIBUER UN RACCOURCI</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>Attribuer une touche de raccourci</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>Saisissez votre raccourci ici ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>(Touche seule)</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>CRÉER UN ONGLET PERSONNALISÉ&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>Voulez-vous créer un onglet personnalisé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>MODIFIER LA MOSAÏQUE</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>Mosaïque&#xa0;:</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PAR DÉFAUT</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>OUVRIR UN SITE WEB</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Ouvrir un site web</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>Indiquez l&apos;URL d&apos;un site web (http://...) à ouvrir.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WebLoginDataSource</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>le certificat de %1 n&apos;est pas approuvé&#xa0;: %2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
</context>
</TS>
