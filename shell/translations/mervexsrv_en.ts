<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login successful</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>api not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupWnd</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Single key)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLoginDataSource</name>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
