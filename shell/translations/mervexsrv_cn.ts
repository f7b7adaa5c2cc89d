<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>个人资料</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>创建新账户</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>创建新的 MERVEX World 账户</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>MERVEX World 用户名</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>MERVEX World 密码</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>保持登录</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>登录 MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>身份验证失败</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>缺少邮箱和/或密码。
请创建账户。</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>邮箱和/或密码无效。</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>登录尝试次数过多，请稍后再试。</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>无法连接服务器，请稍后再试。</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>新建 MERVEX™ 账户</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>无法验证账户服务的证书。未打开该页面。</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>添加新设备：配对模式</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>请立即通过 MERVEX™ Velli-Chor 应用&lt;br&gt;&lt;font color=&apos;white&apos;&gt;连接&lt;/font&gt;您的移动设备。</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>MERVEX™ Velli-Chor™ %1 已发布
是否立即下载新版本？</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>MERVEX™ VELLI-CHOR™ %1 发行说明：</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>已安装版本：</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>最新版本：</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>正在下载 ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>有新版本可用</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>下载文件时出错！请稍后再试</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>文件已损坏。请稍后重新下载。</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>下载的安装程序无法在此系统上打开。</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>下载的安装程序没有有效的 MERVEX 签名，未予保存。</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>设置自定义颜色</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>拖动以从屏幕取色（右键单击不会隐藏主窗口）</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>色相/饱和度</translation>
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
        <translation>结果颜色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
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
        <translation>无法删除临时文件： </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>未找到翻译编译器“lrelease”，无法编译： </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>翻译编译器已结束，退出代码为 %1： </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>无法加载： </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>翻译编译器未在 %1 秒内完成，已被终止： </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>插件“%1”要加载：“%2”
是否允许？</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>记住我的选择</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>无法打开文件： </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>无法写入文件： </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>未找到网格： </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>无效的文件名： </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>网格 %1 已存在！</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>不是自定义网格： </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>无法删除文件： </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>正在连接到：%1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>测试邮件连接</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>成功完成</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>登录成功</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>会话已过期。</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>会话有效期至： </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>未登录。</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Facebook 登录</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>新闻源测试</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>正在测试 URL ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>未找到有效的 URL。</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>应用结果？</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>成功：</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>失败：</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>RSS 源</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> 不是 RSS/Atom 源。</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>改选其他源 URL：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>改选此 RSS/Atom 源</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>移除 URL</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>从列表中移除 URL</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>过大</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>重定向缺少目标</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP 状态 %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的证书不受信任：%2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>等待授权</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API 不可用</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>正在连接 ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>已进入频道</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>已离开频道</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>已登录： </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>未登录。</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Twitter 登录</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>网格没有可用的名称： </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>未写入网格 %1：%2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>添加网格 / 编辑网格设置</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>网格设置</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>网格名称：</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>网格背景（640x960px）：</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>选择背景</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>网格自动切换：</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> 最多可指定 3 个游戏或应用程序的可执行文件路径，将其关联到此网格。启动该游戏/应用程序时，Velli-Chor 应用会自动切换到对应的网格/标签页。</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>标签页设置</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>标签页图标：</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>选择图标</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>图标大小：</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>着色：</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>对齐/边距：</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>标签页名称：</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = 恢复默认</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>选择可执行文件</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>网格名称不能为空！</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>网格 %1 已存在！</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>无法重命名网格文件：%1</translation>
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
        <translation>只能向自定义网格添加控件。</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>网格上没有可放置此控件的空位。</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>从类别中
选择控件。</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>编辑控件设置。
在此预览。</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>放置到网格上。 </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> 将网格添加
到标签栏。</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>服务
已禁用</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>启动/停止 Velli-Chor 启动器服务</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Windows 用户登录时自动启动 Velli-Chor</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>随 WINDOWS 用户登录启动</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>主机 IP 地址</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>主机名称</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>主机服务 – 启动器</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>服务
已启动</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>服务
启动失败</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>用户登录时自动启动 Velli-Chor</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>用户登录时启动</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>导入资源包 ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>无法导入文件： </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>发现插件</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>是否导入此插件？</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名称： </translation>
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
        <translation>插件没有可用的名称： </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>插件包中没有文件： </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>文件夹已存在</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>现有数据将被覆盖。</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>无法安装插件： </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>插件已导入</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>插件已导入。
请重新启动 Mervex Velli-Chor 启动器。</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>插件已安装，但其库被拒绝：</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>导入 VELLI-CHOR™ 资源包</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>导出 VELLI-CHOR™ 资源包</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>选择要导入的控件</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>选择要导出的控件</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>选择要导入的网格</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>选择要导出的网格</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>资源包信息</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>控件：</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>自定义控件</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>网格：</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自定义网格</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>信息：</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>您可以为您的 MERVEX™ Velli-Chor™ 资源包
添加更多信息。</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>资源包名称：</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>电子邮箱：</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>导入资源包 ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>无法导入文件： </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>资源包中既没有控件也没有网格： </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>未选择任何项目。</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>未导入控件： </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>将资源包导出为 ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>无法写入文件： </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>未打包，位于数据文件夹和用户文件夹之外：</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>无法加载： </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>已成功加载自定义翻译： </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>致命</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>另存为 ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>将日志文件另存为 ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>控件：</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>导入和导出：</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>交换您的控件和网格。</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>导入
资源包</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>导入网格和控件资源包</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>导出
资源包</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>导出网格和控件资源包</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>按钮元素类别</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>预设控件</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>高级控件</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>插件控件</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>自定义控件</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>删除自定义控件？</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>是否删除： </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>选择文件 ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>指定快捷键 ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>启动应用程序 ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>打开任意项（文件/文档/网站） ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>打开网站 ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>指定宏 ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>控件编辑器：</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>控件预览：</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>保存当前控件配置</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>导出控件及其自定义图像</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>导入控件或网格</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>添加到
网格</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>将控件添加到网格</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>将当前配置应用到控件</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>右键进行交互，左键拖放到网格</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>功能/说明：</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>按下按键以录制快捷键</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>选择图像</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>选择声音</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>图像文件 (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>声音文件 (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>未保存控件： </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>将自定义控件另存为 ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>类别：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>未保存控件：需要类别和名称。</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>将控件导出为 ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>无法写入文件： </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>未打包，位于数据文件夹和用户文件夹之外：</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>导入控件 ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>无法导入文件： </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>无效文件： </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>新建网格</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>保存网格</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>网格另存为</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>编辑网格设置</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>清除网格上的所有控件</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>删除网格</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>显示标签页帮助</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>向左移动标签页</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>向右移动标签页</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>在移动设备上显示标签页</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>从移动设备上移除标签页</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>将网格添加到标签栏</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>切换到上一个网格</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>切换到下一个网格</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>网格设置</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>添加到标签栏</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>编辑网格：</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>编辑标签页：</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>预设网格</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>高级网格</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自定义网格</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>新建网格...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>保存网格</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>网格另存为 ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>编辑/重命名网格</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>清除所有区块</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>删除网格</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>已超过标签页数量上限！</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>已保存自定义网格： </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>将自定义网格另存为 ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>无效的文件名： </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>网格 %1 已存在！</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>您确定吗？</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>是否清空网格？</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>确定要删除自定义网格： </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>保存更改？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>网格已修改。是否保存更改？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>标签页已修改。是否保存更改？</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>标签页帮助</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>标签页概览：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;预装标签页&lt;/b&gt;&lt;br&gt;右上角带&lt;span style=&apos;color:#28a3dd;&apos;&gt;蓝色&lt;/span&gt; LED 的标签页为预装标签页，可直接使用。</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>导出资源包 ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>导入资源包 ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>浏览网格：</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>预设网格</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>高级网格</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>自定义网格</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>所有网格</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>获取更多</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>网格名称</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>上次修改</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>添加时间</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>编辑设置：</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>保存更改？</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>配置已修改。是否保存更改？</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>其他设置</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>默认媒体播放器</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>选择默认媒体播放器</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>启用按钮音效</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>触摸按钮时播放所选音效</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>数据保护：我们保证对您提供的任何有关您情况的信息严格保密。</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>由 MERVEX 发布。使用须遵守许可条款。</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>移除条目</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>选择文件 ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>指定快捷键 ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>启动应用程序 ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>打开任意项（文件/文档/网站） ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>打开网站 ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>指定宏 ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ 添加</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>添加条目</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>选择图像</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>选择声音</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>图像文件 (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>声音文件 (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1 设置</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>设置：</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1 设置</translation>
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
        <translation>请输入宏集的名称：</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>滚轮</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> 单击</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>基本宏编辑器</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ 新建</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>添加新宏</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>删除宏</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>按键序列</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>录制选项</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>录制延迟</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>宏选项</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>重复宏</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>循环次数（1-255）</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>宏代码</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>添加宏集</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>删除宏集</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>新宏</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>确定要删除此宏集吗？
此宏集中的所有宏都将被删除。</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>新宏 %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>确定要删除所选的宏吗？</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>插入延迟</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>插入鼠标事件</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> 向上</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> 松开</translation>
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
        <translation>缺少服务器</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>用户名或密码无效</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>连接 %1 失败</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>%1 的回复无效</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>服务器不支持 STARTTLS 安全连接</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的证书不受信任：%2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>创建网格和控件</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Velli-Chor 设置</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Velli-Chor 支持</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>显示简易模式</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>无效的数据目录：</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>更改语言</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>保存设置并最小化 Velli-Chor 启动器</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>放弃更改的设置并将启动器最小化到系统托盘</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>无互联网连接</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>使用此功能前，请确保已连接到互联网。</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 不是网格、控件或插件的资源包。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>未找到 %1。</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>确认配对请求</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>是否与此设备配对？</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>无法保存您的设置：
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>打开应用程序</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>打开任意项</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>打开应用程序</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>打开任意项</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>选择要打开的应用程序 (*.exe)。</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>选择要打开的应用程序、文档、文件夹，或输入要打开的网站。</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>应用程序：</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>打开：</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>可执行文件 (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>已注册的设备</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>激活</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>激活设备</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>停用设备</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ 添加新设备</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>进入配对模式</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>已激活（已配对）</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>未激活（已配对）</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>删除设备？</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>跳过</translation>
    </message>
</context>
<context>
    <name>PopupWnd</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>指定快捷键</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>指定快捷键</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>请在此输入快捷键 ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
        <translation>（单个按键）</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>创建自定义标签页？</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>是否创建自定义标签页？</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>编辑平铺</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>平铺：</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>打开网站</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>打开网站</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>输入要打开的网站 URL (http://...)。</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL：</translation>
    </message>
</context>
<context>
    <name>WebLoginDataSource</name>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>%1 的证书不受信任：%2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
</context>
</TS>
