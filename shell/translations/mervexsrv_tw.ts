<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>個人檔案</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>電子郵件：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>建立新帳號</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>建立新的 MERVEX World 帳號</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>MERVEX World 使用者名稱</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>MERVEX World 密碼</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>保持登入</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>登入 MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>忘記密碼？</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>驗證失敗</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>缺少電子郵件和/或密碼。
請建立帳號。</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>電子郵件和/或密碼無效。</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>登入嘗試次數過多，請稍後再試。</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>無法連線到伺服器，請稍後再試。</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>新的 MERVEX™ 帳號</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>無法驗證帳號服務的憑證。未開啟該頁面。</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>新增裝置：配對模式</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>請立即透過 MERVEX™ Velli-Chor App&lt;br&gt;&lt;font color=&apos;white&apos;&gt;連線&lt;/font&gt;您的行動裝置。</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>VELLI-CHOR 更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 已推出
是否立即下載新版本？</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>MERVEX™ VELLI-CHOR™ %1 版本資訊：</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>已安裝版本：</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>最新版本：</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>正在下載 ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>有新版本可用</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>下載中</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>下載檔案時發生錯誤！請稍後再試</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>檔案已損毀。請稍後重新下載。</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>下載的安裝程式無法在此系統上開啟。</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>下載的安裝程式沒有有效的 MERVEX 簽章，未予儲存。</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>設定自訂色彩</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>拖曳以從螢幕擷取色彩（按右鍵不會隱藏主視窗）</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>色相/飽和度</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>明度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>結果色彩</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>無法刪除暫存檔： </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>找不到翻譯編譯器「lrelease」，無法編譯： </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>翻譯編譯器已結束，結束代碼為 %1： </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>無法載入： </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>翻譯編譯器未在 %1 秒內完成，已被停止： </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>外掛程式「%1」要載入：「%2」
是否允許？</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>記住我的決定</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>無法開啟檔案： </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>無法寫入檔案： </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>找不到網格： </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>無效的檔名： </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>網格 %1 已存在！</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>不是自訂網格： </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>無法刪除檔案： </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>正在連線到：%1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>測試郵件連線</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>錯誤：%1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>已成功完成</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>登入成功</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>工作階段已過期。</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>工作階段有效期限： </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>未登入。</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Facebook 登入</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>新聞摘要測試</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>正在測試網址 ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>找不到有效的網址。</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>套用結果？</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>成功：</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>失敗：</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>RSS 摘要來源</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> 不是 RSS/Atom 摘要。</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>改選其他摘要網址：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>改選此 RSS/Atom 摘要</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>移除網址</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>從清單中移除網址</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>過大</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>重新導向缺少目標</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>重新導向次數過多</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP 狀態 %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的憑證不受信任：%2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>未啟用</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在連線</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>連線逾時</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>等待授權</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>連線遭拒</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API 無法使用</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>未啟用</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>正在連線 ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>已進入頻道</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>已離開頻道</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>已登入： </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>未登入。</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Twitter 登入</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>網格沒有可用的名稱： </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>未寫入網格 %1：%2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>新增網格 / 編輯網格設定</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>網格設定</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>網格名稱：</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>網格背景（640x960px）：</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>選擇背景</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>網格自動切換：</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> 最多可指定 3 個遊戲或應用程式的執行檔路徑，將其關聯到此網格。啟動該遊戲/應用程式時，Velli-Chor App 會自動切換到對應的網格/分頁。</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>分頁設定</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>分頁圖示：</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>選擇圖示</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>圖示大小：</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>著色：</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>對齊/邊界：</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>分頁名稱：</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = 還原預設值</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>選擇執行檔</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>網格名稱不可空白！</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>網格 %1 已存在！</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>無法重新命名網格檔案：%1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>只能將控制項新增到自訂網格。</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>網格上沒有可放置此控制項的空位。</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>從類別中
選擇控制項。</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>編輯控制項設定。
在此預覽。</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>放置到網格上。 </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> 將網格新增
到分頁列。</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>服務
已停用</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>啟動/停止 Velli-Chor 啟動器服務</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Windows 使用者登入時自動啟動 Velli-Chor</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>隨 WINDOWS 使用者登入啟動</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>主機 IP 位址</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>主機電腦名稱</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>主機服務 – 啟動器</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>服務
已啟動</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>服務
啟動失敗</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>使用者登入時自動啟動 Velli-Chor</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>使用者登入時啟動</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>匯入套件 ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>無法匯入檔案： </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>找到外掛程式</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>是否匯入此外掛程式？</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名稱： </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>作者： </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>描述： </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>外掛程式沒有可用的名稱： </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>外掛程式套件中沒有檔案： </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>資料夾已存在</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>現有資料將被覆寫。</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>無法安裝外掛程式： </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>外掛程式已匯入</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>外掛程式已匯入。
請重新啟動 Mervex Velli-Chor 啟動器。</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>外掛程式已安裝，但其程式庫被拒絕：</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>匯入 VELLI-CHOR™ 套件</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>匯出 VELLI-CHOR™ 套件</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>選擇要匯入的控制項</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>選擇要匯出的控制項</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>選擇要匯入的網格</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>選擇要匯出的網格</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>套件資訊</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>控制項：</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>自訂控制項</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>網格：</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自訂網格</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>資訊：</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>歡迎為您的 MERVEX™ Velli-Chor™ 套件
加入更多資訊。</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>套件名稱：</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>電子郵件地址：</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>網站：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>匯入套件 ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>無法匯入檔案： </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>套件中既沒有控制項也沒有網格： </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>未選取任何項目。</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>未匯入控制項： </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>將套件匯出為 ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>無法寫入檔案： </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>未打包，不在資料及使用者資料夾內：</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>無法載入： </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>已成功載入自訂翻譯： </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>追蹤</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>偵錯</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>嚴重</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>另存新檔 ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>將記錄檔另存為 ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>控制項：</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>匯入和匯出：</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>交換您的控制項和網格。</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>匯入
套件</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>匯入網格和控制項套件</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>匯出
套件</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>匯出網格和控制項套件</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>按鈕元素類別</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>內建控制項</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>高級控制項</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>外掛程式控制項</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>自訂控制項</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>刪除自訂控制項？</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>是否刪除： </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>選擇檔案 ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>指派快速鍵 ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>啟動應用程式 ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>開啟任意項目（檔案/文件/網站） ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>開啟網站 ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>指派巨集 ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>控制項編輯器：</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>控制項預覽：</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>儲存目前的控制項設定</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>匯出控制項及其自訂圖片</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>匯入控制項或網格</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>新增到
網格</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>將控制項新增到網格</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>將目前的設定套用到控制項</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>按右鍵互動，按左鍵拖放到網格</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>功能/說明：</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>按下按鍵以錄製快速鍵</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>選擇音效</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>圖片檔 (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>音效檔 (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>所有檔案 (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>未儲存控制項： </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>將自訂控制項另存為 ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>類別：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>未儲存控制項：需要類別和名稱。</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>將控制項匯出為 ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>無法寫入檔案： </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>未打包，不在資料及使用者資料夾內：</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>匯入控制項 ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>無法匯入檔案： </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>無效的檔案： </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>建立新網格</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>儲存網格</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>將網格另存為</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>編輯網格設定</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>清除網格上的所有控制項</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>刪除網格</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>顯示分頁說明</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>將分頁向左移</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>將分頁向右移</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>在行動裝置上顯示分頁</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>從行動裝置上移除分頁</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>將網格新增到分頁列</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>切換到上一個網格</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>切換到下一個網格</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>網格設定</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>新增到分頁列</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>編輯網格：</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>編輯分頁：</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>內建網格</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>高級網格</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自訂網格</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>新增網格...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>儲存網格</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>將網格另存為 ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>編輯/重新命名網格</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>清除所有區塊</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>刪除網格</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>已超過分頁數量上限！</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>已儲存自訂網格： </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>將自訂網格另存為 ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>無效的檔名： </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>網格 %1 已存在！</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>您確定嗎？</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>是否清空網格？</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>確定要刪除自訂網格： </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>儲存變更？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>網格已修改。是否儲存變更？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>分頁已修改。是否儲存變更？</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>分頁說明</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>分頁概觀：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;預裝分頁&lt;/b&gt;&lt;br&gt;右上角有&lt;span style=&apos;color:#28a3dd;&apos;&gt;藍色&lt;/span&gt; LED 的分頁為預裝分頁，可直接使用。</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>匯出套件 ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>匯入套件 ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>瀏覽網格：</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>內建網格</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>高級網格</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自訂網格</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>所有網格</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>取得更多</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>網格名稱</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>上次修改</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>新增時間</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>編輯設定：</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>儲存變更？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>設定已修改。是否儲存變更？</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>其他設定</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>預設媒體播放器</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>選擇預設媒體播放器</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>啟用按鈕音效</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>觸碰按鈕時播放所選音效</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>資料保護：我們保證對您提供的任何有關您個人狀況的資訊嚴格保密。</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>由 MERVEX 發行。使用須遵守授權條款。</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>移除項目</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>選擇檔案 ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>指派快速鍵 ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>啟動應用程式 ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>開啟任意項目（檔案/文件/網站） ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>開啟網站 ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>指派巨集 ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ 新增</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>選擇音效</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>圖片檔 (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>音效檔 (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1 設定</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>設定：</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1 設定</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>請輸入巨集組的名稱：</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>滾輪</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> 按一下</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>巨集管理員</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>基本巨集編輯器</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ 新增</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>新增巨集</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>刪除巨集</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>按鍵序列</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>錄製選項</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>巨集選項</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>重複巨集</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>循環次數（1-255）</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>巨集程式碼</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>新增巨集組</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>刪除巨集組</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>新巨集</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>確定要刪除此巨集組嗎？
此巨集組中的所有巨集都將被刪除。</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>新巨集 %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>確定要刪除所選的巨集嗎？</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>插入滑鼠事件</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>按一下</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> 向上</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> 放開</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> 向下</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> 按下</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>缺少伺服器</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>使用者名稱或密碼無效</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>連線到 %1 失敗</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>%1 的回應無效</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>伺服器不支援 STARTTLS 安全連線</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的憑證不受信任：%2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>建立網格和控制項</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Velli-Chor 設定</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Velli-Chor 支援</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>顯示簡易模式</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>無效的資料目錄：</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>變更語言</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>儲存設定並最小化 Velli-Chor 啟動器</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>捨棄變更的設定並將啟動器最小化到系統匣</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>沒有網際網路連線</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>使用此功能前，請確認已連線到網際網路。</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 不是網格、控制項或外掛程式的套件。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>確認配對要求</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>是否要與此裝置配對？</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>無法儲存您的設定：
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>開啟應用程式</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>開啟任意項目</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>開啟應用程式</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>開啟任意項目</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>選擇要開啟的應用程式 (*.exe)。</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>選擇要開啟的應用程式、文件、資料夾，或輸入要開啟的網站。</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>應用程式：</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>開啟：</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>執行檔 (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>所有檔案 (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>已註冊的裝置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>啟用裝置</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>停用裝置</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>刪除裝置</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>刪除裝置</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ 新增裝置</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>進入配對模式</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>已啟用（已配對）</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>未啟用（已配對）</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>刪除裝置？</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>略過</translation>
    </message>
</context>
<context>
    <name>PopupWnd</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>選擇色彩</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>指派快速鍵</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>指派快速鍵</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>請在此輸入快速鍵 ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
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
        <translation>（單一按鍵）</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>建立自訂分頁？</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>是否建立自訂分頁？</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>編輯拼貼</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>拼貼：</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>開啟網站</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>開啟網站</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>輸入要開啟的網站網址 (http://...)。</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>網址：</translation>
    </message>
</context>
<context>
    <name>WebLoginDataSource</name>
    <message>
        <source>unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的憑證不受信任：%2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>錯誤：%1</translation>
    </message>
</context>
</TS>
