<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
