<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] Standard-Steuerelemente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>Lautst. -</translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation>Lautst. +</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Mikrofon stumm</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>CPU-Last</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>Speicherauslastung</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>Speicher belegt</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>Speicher frei</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>Sendet eine Taste oder ein Tastenkürzel an den PC.</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>Drückt ein Tastenkürzel oder spielt ein Makro auf dem PC ab: wählen Sie eines in der Liste Aktion.</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>Ein eigenes Bild. Seine Kachelung hält die Ecken scharf, wenn es gestreckt wird.</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>Kachelung</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>Zeigt und stellt eine Lautstärke des PCs ein.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>Schaltet den PC stumm und wieder laut; zeigt den aktuellen Zustand.</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>Schaltet das Mikrofon stumm und wieder ein.</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>Ein Live-Lastbalken des PCs.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>Die Speicherauslastung des PCs.</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>Ein Live-Messwert des PCs.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>Eine Kachel mit einem eigenen Text.</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>Uhrzeit und Datum des PCs.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>Das Meldungsfenster der Steuerelement-Skripte.</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>Newsfeed</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>RSS- und Atom-Feeds für die News-Steuerelemente</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>Feed-Adressen</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>Newsfeeds lesen</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>FEEDS TESTEN</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>Ihr Postfach für die Mail-Steuerelemente</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Auf neue Mails prüfen</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>VERBINDUNG TESTEN</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>Mails lesen</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>Ihr Newsfeed für die Social-Steuerelemente</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>Newsfeed lesen</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>ANMELDEN</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>Statusmeldungen</translation>
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
        <translation>Videos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>Ihre Timeline für die Social-Steuerelemente</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>Timeline lesen</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>Chatnachrichten für die Chat-Steuerelemente</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>Chatnachrichten anzeigen</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>VERBINDEN</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>Sprachchat-Ereignisse für die Chat-Steuerelemente</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>Sprachchat verfolgen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>Chatnachrichten</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>Benutzer, die beitreten</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>Benutzer, die gehen</translation>
    </message>
</context>
</TS>
