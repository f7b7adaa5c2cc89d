<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cn" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] 标准控件</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒体</translation>
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
        <translation>下一曲</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>麦克风静音</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>CPU 负载</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>内存负载</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>已用内存</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>可用内存</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>新建标签页</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>关闭标签页</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>基础</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>向电脑发送一个按键或快捷键。</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>在电脑上按下快捷键或播放宏：在“动作”列表中选择。</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>您自己的图片。平铺使拉伸时角落保持清晰。</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>显示并调节电脑的音量。</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>将电脑静音或取消静音；显示当前状态。</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>将麦克风静音或取消静音。</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>实时显示电脑负载的条形图。</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>电脑的内存负载。</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>电脑的实时数值。</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>显示自定义文本的磁贴。</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>电脑的时间和日期。</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>控件脚本的消息框。</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>新闻源</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>供新闻控件使用的 RSS 和 Atom 源</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>源地址</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>读取新闻源</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>源</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>测试源</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>供邮件控件使用的邮箱</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>检查新邮件</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>阅读邮件</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>打开方式</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>供社交控件使用的动态</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>读取动态</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>状态更新</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>供社交控件使用的时间线</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>读取时间线</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>供聊天控件使用的聊天消息</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>显示聊天消息</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>供聊天控件使用的语音聊天事件</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>关注语音聊天</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>聊天消息</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>加入的用户</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>离开的用户</translation>
    </message>
</context>
</TS>
