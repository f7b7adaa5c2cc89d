<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] Стандартные элементы</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Медиа</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>Громк. -</translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation>Громк. +</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Выкл. микрофон</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Громкость микрофона</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>Загрузка ЦП</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>Загрузка памяти</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>Занято памяти</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>Свободно памяти</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Процессы</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Переключить</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>Новая вкладка</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Закрыть вкладку</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>Отправляет на ПК клавишу или сочетание клавиш.</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Значок</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>Нажимает сочетание клавиш или воспроизводит макрос на ПК: выберите его в списке «Действие».</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>Ваша собственная картинка. Разбиение сохраняет углы чёткими при растягивании.</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>Разбиение</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>Показывает и меняет громкость ПК.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>Выключает и включает звук ПК; показывает текущее состояние.</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>Выключает и включает микрофон.</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>Полоса загрузки ПК в реальном времени.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>Загрузка памяти ПК.</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>Показатель ПК в реальном времени.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>Плитка с вашим текстом.</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>Время и дата ПК.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>Окно сообщений для скриптов элементов.</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>Новостная лента</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>Ленты RSS и Atom для новостных элементов</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>Адреса лент</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>Читать новостные ленты</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Ленты</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>ПРОВЕРИТЬ ЛЕНТЫ</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>Ваш почтовый ящик для почтовых элементов</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Проверять новую почту</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>ПРОВЕРИТЬ СОЕДИНЕНИЕ</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>Чтение почты</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Открыть с помощью</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>Ваша лента новостей для социальных элементов</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>Читать ленту новостей</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>ВОЙТИ</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показывать</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>Обновления статуса</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>Ваша лента для социальных элементов</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>Читать ленту</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>Сообщения чата для элементов чата</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>Показывать сообщения чата</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>ПОДКЛЮЧИТЬ</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>События голосового чата для элементов чата</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>Следить за голосовым чатом</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>Сообщения чата</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>Вошедшие пользователи</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>Вышедшие пользователи</translation>
    </message>
</context>
</TS>
