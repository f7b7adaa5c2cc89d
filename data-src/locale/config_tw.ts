<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tw" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] 標準控制項</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒體</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>麥克風靜音</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>麥克風音量</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>CPU 負載</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>記憶體負載</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>已用記憶體</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>可用記憶體</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>處理程序</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時鐘</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>切換</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>新增分頁</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>關閉分頁</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>傳送按鍵或快速鍵到電腦。</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>圖示</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>在電腦上按下快捷鍵或播放巨集：在「動作」清單中選擇。</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>您自己的圖片。平鋪使拉伸時角落保持清晰。</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>平鋪</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>顯示並調整電腦的音量。</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>將電腦靜音或取消靜音；顯示目前狀態。</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>將麥克風靜音或取消靜音。</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>即時顯示電腦負載的長條。</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>數值</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>電腦的記憶體負載。</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>電腦的即時數值。</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>顯示自訂文字的方塊。</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>電腦的時間和日期。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>控制項指令碼的訊息方塊。</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>新聞來源</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>供新聞控制項使用的 RSS 和 Atom 來源</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>來源網址</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>讀取新聞來源</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>測試來源</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>供郵件控制項使用的信箱</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳戶</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>檢查新郵件</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>通訊協定</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>閱讀郵件</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>開啟方式</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>供社群控制項使用的動態消息</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>讀取動態消息</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>狀態更新</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>供社群控制項使用的時間軸</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>讀取時間軸</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>供聊天控制項使用的聊天訊息</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>顯示聊天訊息</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>供聊天控制項使用的語音聊天事件</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>追蹤語音聊天</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>聊天訊息</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>加入的使用者</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>離開的使用者</translation>
    </message>
</context>
</TS>
