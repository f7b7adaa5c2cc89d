<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ABMELDEN</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>NEUES KONTO ERSTELLEN</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>Neues MERVEX-World-Konto erstellen</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>MERVEX-World-Benutzername</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>MERVEX-World-Passwort</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>Angemeldet bleiben</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ANMELDEN</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>Bei MERVEX World anmelden</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>ANMELDUNG FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>E-Mail-Adresse und/oder Passwort fehlen.
Bitte erstellen Sie ein Konto.</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>Ungültige E-Mail-Adresse und/oder ungültiges Passwort.</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>Zu viele Anmeldeversuche, bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>Server nicht erreichbar, bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>Neues MERVEX™-Konto</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>Das Zertifikat des Kontodienstes konnte nicht überprüft werden. Die Seite wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>NEUES GERÄT HINZUFÜGEN: KOPPLUNGSMODUS</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>Bitte &lt;font color=&apos;white&apos;&gt;verbinden&lt;/font&gt; Sie jetzt Ihr Mobilgerät&lt;br&gt;über die MERVEX™ Velli-Chor App.</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>VELLI-CHOR-UPDATE</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 ist verfügbar
Möchten Sie die neue Version jetzt herunterladen?</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>VERSIONSHINWEISE - MERVEX™ VELLI-CHOR™ %1:</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>SPÄTER ERINNERN</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>Installierte Version:</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>Neueste Version:</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>WIRD GELADEN ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>INSTALLIEREN</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>HERUNTERLADEN</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>DOWNLOADFEHLER</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>Fehler beim Herunterladen der Datei! Bitte versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfehler</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>Datei beschädigt. Bitte versuchen Sie den Download später erneut.</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>Das heruntergeladene Installationsprogramm kann auf diesem System nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>Das heruntergeladene Installationsprogramm trägt keine gültige MERVEX-Signatur. Es wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>Eigene Farbe setzen</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>Farbe durch Ziehen vom Bildschirm aufnehmen (Rechtsklick blendet das Hauptfenster nicht aus)</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>Farbton/Sättigung</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminanz</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>Ergebnisfarbe</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>Temporäre Datei kann nicht gelöscht werden: </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>Der Übersetzungscompiler „lrelease“ wurde nicht gefunden; Kompilieren nicht möglich: </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>Der Übersetzungscompiler endete mit Code %1: </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Kann nicht geladen werden: </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>Der Übersetzungscompiler war nach %1 Sekunden nicht fertig und wurde beendet: </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>SICHERHEITSWARNUNG</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>Das Plug-in &apos;%1&apos; möchte Folgendes laden: &apos;%2&apos;
Möchten Sie das zulassen?</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>Entscheidung merken</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>Grid nicht gefunden: </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>Ungültiger Dateiname: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Grid %1 existiert bereits!</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>Kein eigenes Grid: </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>Datei kann nicht gelöscht werden: </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>verbinde...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>verbinde mit: %1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>E-Mail-Verbindung wird getestet</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>Anmeldung erfolgreich</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>Sitzung abgelaufen.</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>Sitzung gültig bis: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Nicht angemeldet.</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Facebook-Anmeldung</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>Newsfeed-Test</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>prüfe URLs ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>Keine gültigen URLs gefunden.</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>Ergebnisse übernehmen?</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>Erfolgreich:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Fehlgeschlagen:</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>RSS-Feed-Quelle</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> ist kein RSS/Atom-Feed.</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>Stattdessen eine andere Feed-URL wählen:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>Stattdessen diesen RSS/Atom-Feed wählen</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>URL entfernen</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>URL aus der Liste entfernen</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>Weiterleitung ohne Ziel</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbinde</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>Autorisierung ausstehend</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>verbinde ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>hat den Kanal betreten</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>hat den Kanal verlassen</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>Angemeldet: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Nicht angemeldet.</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Twitter-Anmeldung</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>Kein freier Name für das Grid: </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>Das Grid %1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>GRID HINZUFÜGEN / GRID-EINSTELLUNGEN BEARBEITEN</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>GRID-EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>Grid-Name:</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>Grid-Hintergrund (640x960px):</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Hintergrund wählen</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>Grid-Autowechsel:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> Ordnen Sie diesem Grid bis zu 3 Pfade zu ausführbaren Dateien von Spielen oder Anwendungen zu. Beim Start des Spiels bzw. der Anwendung wechselt die Velli-Chor App automatisch zum passenden Grid/Tab.</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>TAB-EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>Tab-Symbol:</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>Symbolgröße:</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>Einfärben:</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>Position/Rand:</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>Tab-Name:</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = zurücksetzen</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>Ausführbare Datei wählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>Der Grid-Name darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Grid %1 existiert bereits!</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>Die Grid-Datei konnte nicht umbenannt werden: %1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>Elemente können nur eigenen Grids hinzugefügt werden.</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>Auf dem Grid ist kein freier Platz für dieses Element.</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>Element aus einer
Kategorie wählen.</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>Element einstellen.
Vorschau hier.</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>Im Grid platzieren. </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> Grid zur
Tab-Leiste hinzufügen.</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>DIENST
DEAKTIVIERT</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>Velli-Chor-Launcher-Dienst starten/stoppen</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Velli-Chor bei der Windows-Benutzeranmeldung automatisch starten</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>BEI WINDOWS-ANMELDUNG STARTEN</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>IP-Adresse des Hosts</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>Computername des Hosts</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>HOST-DIENST – LAUNCHER</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>DIENST
GESTARTET</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>DIENST
FEHLER</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>Velli-Chor bei der Benutzeranmeldung automatisch starten</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>BEI ANMELDUNG STARTEN</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>Paket importieren ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Datei kann nicht importiert werden: </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>Plug-in gefunden</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>Möchten Sie dieses Plug-in importieren?</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>Das Plug-in hat keinen brauchbaren Namen: </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>Das Plug-in-Paket enthält keine Dateien: </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>Der Ordner existiert bereits</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>Die vorhandenen Daten werden überschrieben.</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>Das Plug-in konnte nicht installiert werden: </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>Plug-in importiert</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>Plug-in importiert.
Bitte starten Sie den Mervex Velli-Chor-Launcher neu.</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>Das Plug-in wurde installiert, aber seine Bibliothek wird abgelehnt:</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>VELLI-CHOR™-PAKET IMPORTIEREN</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>VELLI-CHOR™-PAKET EXPORTIEREN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTIEREN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>ELEMENTE ZUM IMPORT WÄHLEN</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>ELEMENTE ZUM EXPORT WÄHLEN</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>GRIDS ZUM IMPORT WÄHLEN</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>GRIDS ZUM EXPORT WÄHLEN</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>PAKETINFORMATIONEN</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>ELEMENTE:</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Eigene Elemente</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>GRIDS:</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Eigene Grids</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>INFORMATIONEN:</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>Hier können Sie Ihr MERVEX™
Velli-Chor™-Paket näher beschreiben.</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>Paketname:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Paket importieren ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Datei kann nicht importiert werden: </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>Das Paket enthält weder Elemente noch Grids: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>Nichts ausgewählt.</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>Die Elemente wurden nicht importiert: </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>Paket exportieren als ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Nicht gepackt, da außerhalb der Daten- und Benutzerordner:</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Kann nicht geladen werden: </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>Eigene Übersetzung erfolgreich geladen: </translation>
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
        <translation>Debug</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Speichern ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>Protokolldatei speichern unter ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>ELEMENTE:</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>IMPORT UND EXPORT:</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>ELEMENTE UND GRIDS AUSTAUSCHEN.</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>PAKET-
IMPORT</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>Paket mit Grids und Elementen importieren</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>PAKET-
EXPORT</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>Paket mit Grids und Elementen exportieren</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>Elementkategorie</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>Vordefinierte Elemente</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>Premium-Elemente</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>Plug-in-Elemente</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Eigene Elemente</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>EIGENES ELEMENT LÖSCHEN?</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>Möchten Sie Folgendes löschen: </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>Datei wählen ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Tastenkürzel zuweisen ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Anwendung starten ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Datei/Dokument/Website öffnen ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Website öffnen ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Makro zuweisen ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>ELEMENT-EDITOR:</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>ELEMENT-VORSCHAU:</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>Aktuelle Elementkonfiguration speichern</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>Element samt eigenen Bildern exportieren</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>Element oder Grid importieren</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>HINZUFÜGEN ZUM
GRID</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>Element zum Grid hinzufügen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>Aktuelle Konfiguration auf das Element anwenden</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>Rechte Maustaste zum Bedienen, linke Maustaste zum Ziehen auf das Grid</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>Funktionen/Beschreibung:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>Tastenkürzel durch Drücken der Tasten aufnehmen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Sound wählen</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Bilddateien (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Sounddateien (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>Das Element wurde nicht gespeichert: </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>Eigenes Element speichern unter ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>Das Element wurde nicht gespeichert: Es braucht eine Kategorie und einen Namen.</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>Element exportieren als ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Nicht gepackt, da außerhalb der Daten- und Benutzerordner:</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>Element importieren ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Datei kann nicht importiert werden: </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>Ungültige Datei: </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>Neues Grid erstellen</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>Grid speichern</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>Grid speichern unter</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>Grid-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>Alle Elemente vom Grid entfernen</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>Grid löschen</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>Tab-Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>Tab nach links verschieben</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>Tab nach rechts verschieben</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>Tab auf dem Mobilgerät anzeigen</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>Tab vom Mobilgerät entfernen</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>Grid zur Tab-Leiste hinzufügen</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>Zum vorherigen Grid wechseln</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>Zum nächsten Grid wechseln</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>Grid-Einstellungen</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>ZUR LEISTE</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>GRID BEARBEITEN:</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>TABS:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Vordefinierte Grids</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Premium-Grids</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Eigene Grids</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>Neues Grid...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Grid speichern</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>Grid speichern unter ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>Grid bearbeiten/umbenennen</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>Alle Blöcke entfernen</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>Grid löschen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>Maximale Anzahl an Tabs überschritten!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>ERFOLG</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>Eigenes Grid gespeichert: </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>Eigenes Grid speichern unter ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>Ungültiger Dateiname: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Grid %1 existiert bereits!</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>SIND SIE SICHER?</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>Möchten Sie Ihr Grid leeren?</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>Möchten Sie das eigene Grid wirklich löschen: </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>ÄNDERUNGEN SPEICHERN?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>Sie haben Ihr Grid geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>Sie haben Ihre Tabs geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>TAB-HILFE</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>Tabs im Überblick:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;Vorinstallierter Tab&lt;/b&gt;&lt;br&gt;Tabs mit einer &lt;span style=&apos;color:#28a3dd;&apos;&gt;blauen&lt;/span&gt; LED in der oberen rechten Ecke sind vorinstalliert und sofort einsatzbereit.</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>Paket exportieren ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Paket importieren ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>GRIDS DURCHSUCHEN:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Vordefinierte Grids</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Premium-Grids</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Eigene Grids</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>Alle Grids</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>MEHR LADEN</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>Grid-Name</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>In Leiste</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>EINSTELLUNGEN ÄNDERN:</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>ÄNDERUNGEN SPEICHERN?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>Sie haben Ihre Konfiguration geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>Standard-Mediaplayer</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>Wählen Sie Ihren Standard-Mediaplayer</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>Tastentöne aktivieren</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>Bei Berührung den gewählten Tastenton abspielen</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>Datenschutz: Wir garantieren, dass alle Angaben, die Sie uns zu Ihrer Situation machen, streng vertraulich behandelt werden.</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>Herausgegeben von MERVEX. Die Nutzung unterliegt den Lizenzbedingungen.</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>Datei wählen ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Tastenkürzel zuweisen ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Anwendung starten ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Datei/Dokument/Website öffnen ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Website öffnen ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Makro zuweisen ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ HINZUFÜGEN</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Sound wählen</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Bilddateien (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Sounddateien (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1-Einstellungen</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>EINSTELLUNGEN:</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1-Einstellungen</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>Bitte geben Sie einen Namen für die Makrogruppe ein:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> Klick</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>MAKRO-MANAGER</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>EINFACHER MAKRO-EDITOR</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ NEU</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>Neues Makro hinzufügen</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>Makro entfernen</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>TASTENFOLGE</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>AUFNAHMEOPTIONEN</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>AUFNAHME STARTEN</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>PAUSEN AUFNEHMEN</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>MAKRO-OPTIONEN</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>MAKRO WIEDERHOLEN</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>DURCHLÄUFE (1-255)</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>MAKRO-CODE</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>Makrogruppe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>Makrogruppe löschen</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>Neues Makro</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>Möchten Sie die Makrogruppe wirklich löschen?
Dabei werden alle Makros dieser Makrogruppe gelöscht.</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>Neues Makro %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>Möchten Sie das ausgewählte Makro wirklich löschen?</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Pause einfügen</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>Mausereignis einfügen</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Linke Taste</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>Mittlere Taste</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Rechte Taste</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>AUFNAHME STOPPEN</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> nach oben</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> losgelassen</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> nach unten</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> gedrückt</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>Server fehlt</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>ungültiger Benutzername oder ungültiges Passwort</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>Verbindung zu %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>ungültige Antwort von %1</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>Server unterstützt keine STARTTLS-Sicherheit</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut: %2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>ERSTELLEN</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>SUPPORT</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>DURCHSUCHEN</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>Grids und Elemente erstellen</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Velli-Chor-Einstellungen</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Velli-Chor-Support</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>Einfachen Modus anzeigen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>Ungültiges Datenverzeichnis:</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>Einstellungen speichern und Velli-Chor-Launcher minimieren</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>Geänderte Einstellungen verwerfen und Launcher in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>KEINE INTERNETVERBINDUNG</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>Bitte stellen Sie sicher, dass Sie mit dem Internet verbunden sind, bevor Sie diese Funktion verwenden.</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 ist kein Grid-, Element- oder Plug-in-Paket.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>KOPPLUNG BESTÄTIGEN</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>Möchten Sie dieses Gerät koppeln?</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden:
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>ANWENDUNG ÖFFNEN</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>DATEI/WEBSITE ÖFFNEN</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>Anwendung öffnen</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>Datei/Website öffnen</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>Wählen Sie eine Anwendung (*.exe) zum Öffnen.</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>Anwendung, Dokument, Ordner oder Website wählen.</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Anwendung:</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>Öffnen:</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Ausführbare Datei (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>AKTIVIEREN</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>Gerät aktivieren</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>DEAKTIVIEREN</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>Gerät deaktivieren</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>GERÄT LÖSCHEN</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Gerät löschen</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ GERÄT HINZUFÜGEN</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>Startet den Kopplungsmodus</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>Aktiv (gekoppelt)</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>Inaktiv (gekoppelt)</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>GERÄT LÖSCHEN?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ÜBERSPRINGEN</translation>
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
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Farbauswahl</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>TASTENKÜRZEL ZUWEISEN</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>Tastenkürzel zuweisen</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>Bitte geben Sie hier Ihr Tastenkürzel ein ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
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
        <translation>(Einzelne Taste)</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>EIGENEN TAB ERSTELLEN?</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>Möchten Sie einen eigenen Tab erstellen?</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>KACHELUNG BEARBEITEN</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>WEBSITE ÖFFNEN</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>URL der Website (http://...) zum Öffnen eingeben.</translation>
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
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut: %2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
</context>
</TS>
