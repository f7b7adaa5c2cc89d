<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AccountUI</name>
    <message>
        <source>PROFILE</source>
        <translation>ПРОФИЛЬ</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ВЫЙТИ</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>CREATE NEW ACCOUNT</source>
        <translation>СОЗДАТЬ АККАУНТ</translation>
    </message>
    <message>
        <source>Create a new MERVEX World account</source>
        <translation>Создать новый аккаунт MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World username</source>
        <translation>Имя пользователя MERVEX World</translation>
    </message>
    <message>
        <source>MERVEX World password</source>
        <translation>Пароль MERVEX World</translation>
    </message>
    <message>
        <source>Stay logged in</source>
        <translation>Не выходить</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ВОЙТИ</translation>
    </message>
    <message>
        <source>Login to MERVEX World</source>
        <translation>Вход в MERVEX World</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>FAILED AUTHENTICATION</source>
        <translation>ОШИБКА ВХОДА</translation>
    </message>
    <message>
        <source>Missing e-mail and/or password.
Please create an account.</source>
        <translation>Не указан e-mail и/или пароль.
Создайте аккаунт.</translation>
    </message>
    <message>
        <source>Invalid e-mail and/or password.</source>
        <translation>Неверный e-mail и/или пароль.</translation>
    </message>
    <message>
        <source>Too many login tries, try again later.</source>
        <translation>Слишком много попыток входа, повторите позже.</translation>
    </message>
    <message>
        <source>Server not reachable, try again later.</source>
        <translation>Сервер недоступен, повторите позже.</translation>
    </message>
    <message>
        <source>New MERVEX™ Account</source>
        <translation>Новый аккаунт MERVEX™</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>The account service&apos;s certificate could not be verified. The page was not opened.</source>
        <translation>Не удалось проверить сертификат службы аккаунтов. Страница не открыта.</translation>
    </message>
</context>
<context>
    <name>AddDevicePopup</name>
    <message>
        <source>ADD NEW DEVICE: PAIRING MODE</source>
        <translation>НОВОЕ УСТРОЙСТВО: РЕЖИМ СОПРЯЖЕНИЯ</translation>
    </message>
    <message>
        <source>Please &lt;font color=&apos;white&apos;&gt;connect&lt;/font&gt; your mobile device via&lt;br&gt;the MERVEX™ Velli-Chor App now.</source>
        <translation>&lt;font color=&apos;white&apos;&gt;Подключите&lt;/font&gt; мобильное устройство&lt;br&gt;через приложение MERVEX™ Velli-Chor.</translation>
    </message>
</context>
<context>
    <name>AutoUpdateDialog</name>
    <message>
        <source>VELLI-CHOR UPDATE</source>
        <translation>ОБНОВЛЕНИЕ VELLI-CHOR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>MERVEX™ Velli-Chor™ %1 is available
Do you want to download the new version now?</source>
        <translation>Доступна версия MERVEX™ Velli-Chor™ %1
Скачать новую версию сейчас?</translation>
    </message>
    <message>
        <source>RELEASE NOTES - MERVEX™ VELLI-CHOR™ %1:</source>
        <translation>ЧТО НОВОГО - MERVEX™ VELLI-CHOR™ %1:</translation>
    </message>
    <message>
        <source>REMEMBER LATER</source>
        <translation>НАПОМНИТЬ ПОЗЖЕ</translation>
    </message>
    <message>
        <source>Installed Version:</source>
        <translation>Установленная версия:</translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation>Последняя версия:</translation>
    </message>
    <message>
        <source>DOWNLOADING ...</source>
        <translation>ЗАГРУЗКА ...</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>INSTALL</source>
        <translation>УСТАНОВИТЬ</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>СКАЧАТЬ</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Доступна новая версия</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Идёт загрузка</translation>
    </message>
    <message>
        <source>DOWNLOAD ERROR</source>
        <translation>ОШИБКА ЗАГРУЗКИ</translation>
    </message>
    <message>
        <source>Error during downloading File! Please try again later</source>
        <translation>Ошибка при загрузке файла! Повторите попытку позже</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>File corrupted. Please try download later.</source>
        <translation>Файл повреждён. Повторите загрузку позже.</translation>
    </message>
    <message>
        <source>The downloaded installer cannot be opened on this system.</source>
        <translation>Скачанный установщик нельзя открыть в этой системе.</translation>
    </message>
    <message>
        <source>The downloaded installer does not carry a valid MERVEX signature. It was not saved.</source>
        <translation>У скачанного установщика нет действительной подписи MERVEX. Он не сохранён.</translation>
    </message>
</context>
<context>
    <name>ColPickPopup</name>
    <message>
        <source>Set Custom Color</source>
        <translation>Задать свой цвет</translation>
    </message>
    <message>
        <source>Drag&apos;n Pick Color from Screen (Right Click won&apos;t hide Main Window)</source>
        <translation>Перетащите, чтобы взять цвет с экрана (правый щелчок не скрывает главное окно)</translation>
    </message>
    <message>
        <source>Hue/Saturation</source>
        <translation>Оттенок/насыщенность</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Светлота</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Resulting Color</source>
        <translation>Итоговый цвет</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
</context>
<context>
    <name>CustomTranslation</name>
    <message>
        <source>Cannot delete tmp file: </source>
        <translation>Не удаётся удалить временный файл: </translation>
    </message>
    <message>
        <source>The translation compiler &quot;lrelease&quot; was not found; cannot compile: </source>
        <translation>Компилятор переводов «lrelease» не найден; компиляция невозможна: </translation>
    </message>
    <message>
        <source>The translation compiler ended with code %1: </source>
        <translation>Компилятор переводов завершился с кодом %1: </translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Не удаётся загрузить: </translation>
    </message>
    <message>
        <source>The translation compiler did not finish within %1 seconds and was stopped: </source>
        <translation>Компилятор переводов не завершился за %1 с и был остановлен: </translation>
    </message>
</context>
<context>
    <name>DataCfg</name>
    <message>
        <source>SECURITY WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ БЕЗОПАСНОСТИ</translation>
    </message>
    <message>
        <source>The plugin &apos;%1&apos; wants to load: &apos;%2&apos;
Do you want to allow it?</source>
        <translation>Плагин &apos;%1&apos; хочет загрузить: &apos;%2&apos;
Разрешить?</translation>
    </message>
    <message>
        <source>Remember my decision</source>
        <translation>Запомнить решение</translation>
    </message>
    <message>
        <source>Can&apos;t open File: </source>
        <translation>Не удаётся открыть файл: </translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Не удаётся записать файл: </translation>
    </message>
    <message>
        <source>Grid not found: </source>
        <translation>Сетка не найдена: </translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>Недопустимое имя файла: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Сетка %1 уже существует!</translation>
    </message>
    <message>
        <source>Not a Custom Grid: </source>
        <translation>Это не своя сетка: </translation>
    </message>
    <message>
        <source>Can&apos;t delete File: </source>
        <translation>Не удаётся удалить файл: </translation>
    </message>
</context>
<context>
    <name>DataSrcEmail</name>
    <message>
        <source>connecting...</source>
        <translation>подключение...</translation>
    </message>
    <message>
        <source>connecting to: %1</source>
        <translation>подключение к: %1</translation>
    </message>
    <message>
        <source>Testing Mail Connection</source>
        <translation>Проверка подключения к почте</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>ошибка: %1</translation>
    </message>
    <message>
        <source>finished successfully</source>
        <translation>успешно завершено</translation>
    </message>
    <message>
        <source>login successful</source>
        <translation>вход выполнен</translation>
    </message>
</context>
<context>
    <name>DataSrcFacebook</name>
    <message>
        <source>Session expired.</source>
        <translation>Сеанс истёк.</translation>
    </message>
    <message>
        <source>Session valid until: </source>
        <translation>Сеанс действителен до: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Вход не выполнен.</translation>
    </message>
    <message>
        <source>Facebook Login</source>
        <translation>Вход через Facebook</translation>
    </message>
</context>
<context>
    <name>DataSrcNewsFeed</name>
    <message>
        <source>News Feed Test</source>
        <translation>Проверка новостных лент</translation>
    </message>
    <message>
        <source>testing URLs ... %1</source>
        <translation>проверка URL ... %1</translation>
    </message>
    <message>
        <source>No valid URLs found.</source>
        <translation>Действительных URL не найдено.</translation>
    </message>
    <message>
        <source>Apply results?</source>
        <translation>Применить результаты?</translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation>Успешно:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>С ошибкой:</translation>
    </message>
    <message>
        <source>RSS Feed Source</source>
        <translation>Источник RSS-ленты</translation>
    </message>
    <message>
        <source> is not an RSS/Atom Feed.</source>
        <translation> — не лента RSS/Atom.</translation>
    </message>
    <message>
        <source>Select another Feed URL instead:</source>
        <translation>Выберите вместо этого другой URL ленты:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Select this RSS/Atom Feed instead</source>
        <translation>Выбрать вместо этого ленту RSS/Atom</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Удалить URL</translation>
    </message>
    <message>
        <source>Remove URL from List</source>
        <translation>Удалить URL из списка</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>слишком большой</translation>
    </message>
    <message>
        <source>redirect without a target</source>
        <translation>перенаправление без цели</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>слишком много перенаправлений</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-статус %1</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>сертификат %1 не является доверенным: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>DataSrcSkype</name>
    <message>
        <source>inactive</source>
        <translation>неактивно</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>отключено</translation>
    </message>
    <message>
        <source>connection timeout</source>
        <translation>тайм-аут подключения</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>authorization pending</source>
        <translation>ожидание авторизации</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>в подключении отказано</translation>
    </message>
    <message>
        <source>api not available</source>
        <translation>API недоступен</translation>
    </message>
</context>
<context>
    <name>DataSrcTeamspeak</name>
    <message>
        <source>inactive</source>
        <translation>неактивно</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>подключение ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>отключено</translation>
    </message>
    <message>
        <source>entered channel</source>
        <translation>вошёл в канал</translation>
    </message>
    <message>
        <source>left channel</source>
        <translation>покинул канал</translation>
    </message>
</context>
<context>
    <name>DataSrcTwitter</name>
    <message>
        <source>Logged in: </source>
        <translation>Вход выполнен: </translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Вход не выполнен.</translation>
    </message>
    <message>
        <source>Twitter Login</source>
        <translation>Вход через Twitter</translation>
    </message>
</context>
<context>
    <name>ExchangeUi</name>
    <message>
        <source>No free name for the grid: </source>
        <translation>Нет свободного имени для сетки: </translation>
    </message>
    <message>
        <source>The grid %1 was not written: %2</source>
        <translation>Сетка %1 не записана: %2</translation>
    </message>
</context>
<context>
    <name>GridSettingsDlg</name>
    <message>
        <source>ADD GRID / EDIT GRID SETTINGS</source>
        <translation>ДОБАВИТЬ СЕТКУ / НАСТРОЙКИ СЕТКИ</translation>
    </message>
    <message>
        <source>GRID SETTINGS</source>
        <translation>НАСТРОЙКИ СЕТКИ</translation>
    </message>
    <message>
        <source>Grid Name:</source>
        <translation>Имя сетки:</translation>
    </message>
    <message>
        <source>Grid Background (640x960px):</source>
        <translation>Фон сетки (640x960px):</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Выбрать фон</translation>
    </message>
    <message>
        <source>Grid Auto-Switch:</source>
        <translation>Автосмена сетки:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Инфо:</translation>
    </message>
    <message>
        <source> Assign up to 3 paths to executables of games or applications that you want this grid to be assigned to. When starting your game/application, the Velli-Chor App will automatically switch to the corresponding grid/tab.</source>
        <translation> Укажите до 3 путей к исполняемым файлам игр или приложений для этой сетки. При запуске игры/приложения Velli-Chor App автоматически переключится на эту сетку/вкладку.</translation>
    </message>
    <message>
        <source>TAB SETTINGS</source>
        <translation>НАСТРОЙКИ ВКЛАДКИ</translation>
    </message>
    <message>
        <source>Tab Icon:</source>
        <translation>Значок:</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Выбрать значок</translation>
    </message>
    <message>
        <source>Icon Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Colorize:</source>
        <translation>Окраска:</translation>
    </message>
    <message>
        <source>Align/Margin:</source>
        <translation>Позиция:</translation>
    </message>
    <message>
        <source>Tab Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>X = reset to default</source>
        <translation>X = сбросить</translation>
    </message>
    <message>
        <source>Select Executable</source>
        <translation>Выбрать исполняемый файл</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Grid Name must not be empty!</source>
        <translation>Имя сетки не может быть пустым!</translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Сетка %1 уже существует!</translation>
    </message>
    <message>
        <source>The grid file could not be renamed: %1</source>
        <translation>Не удалось переименовать файл сетки: %1</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>Controls can only be added to custom Grids.</source>
        <translation>Элементы можно добавлять только в свои сетки.</translation>
    </message>
    <message>
        <source>There is no free place for this Control on the Grid.</source>
        <translation>На сетке нет свободного места для этого элемента.</translation>
    </message>
</context>
<context>
    <name>HelpGuideOvl</name>
    <message>
        <source>Choose a control
from category.</source>
        <translation>Выберите элемент
из категории.</translation>
    </message>
    <message>
        <source>Edit control settings.
Preview here.</source>
        <translation>Настройте элемент.
Просмотр здесь.</translation>
    </message>
    <message>
        <source>Place on grid. </source>
        <translation>Поместите на сетку. </translation>
    </message>
    <message>
        <source> Add Grid
to tab bar.</source>
        <translation> Добавьте сетку
на панель вкладок.</translation>
    </message>
</context>
<context>
    <name>HostCtrl</name>
    <message>
        <source>SERVICE
DISABLED</source>
        <translation>СЛУЖБА
ОТКЛЮЧЕНА</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Start/Stop Velli-Chor Launcher Service</source>
        <translation>Запустить/остановить службу лаунчера Velli-Chor</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor on Windows User Logon</source>
        <translation>Автозапуск Velli-Chor при входе в Windows</translation>
    </message>
    <message>
        <source>RUN WITH WINDOWS USER LOGON</source>
        <translation>ЗАПУСК ПРИ ВХОДЕ В WINDOWS</translation>
    </message>
    <message>
        <source>Host IP Address</source>
        <translation>IP-адрес хоста</translation>
    </message>
    <message>
        <source>Host Computer Name</source>
        <translation>Имя компьютера-хоста</translation>
    </message>
    <message>
        <source>HOST SERVICE – LAUNCHER</source>
        <translation>СЛУЖБА ХОСТА – ЛАУНЧЕР</translation>
    </message>
    <message>
        <source>SERVICE
STARTED</source>
        <translation>СЛУЖБА
ЗАПУЩЕНА</translation>
    </message>
    <message>
        <source>SERVICE
FAILED</source>
        <translation>СБОЙ
СЛУЖБЫ</translation>
    </message>
    <message>
        <source>Autostart Velli-Chor when the user logs in</source>
        <translation>Автозапуск Velli-Chor при входе пользователя в систему</translation>
    </message>
    <message>
        <source>RUN AT USER LOGIN</source>
        <translation>ЗАПУСК ПРИ ВХОДЕ В СИСТЕМУ</translation>
    </message>
</context>
<context>
    <name>ImpExpPluginPopUp</name>
    <message>
        <source>Import Package ...</source>
        <translation>Импорт пакета ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Не удаётся импортировать файл: </translation>
    </message>
    <message>
        <source>Plugin found</source>
        <translation>Найден плагин</translation>
    </message>
    <message>
        <source>Do you want to import this plugin?</source>
        <translation>Импортировать этот плагин?</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Имя: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Автор: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Описание: </translation>
    </message>
    <message>
        <source>The plugin has no usable name: </source>
        <translation>У плагина нет пригодного имени: </translation>
    </message>
    <message>
        <source>The plugin package holds no files: </source>
        <translation>Пакет плагина не содержит файлов: </translation>
    </message>
    <message>
        <source>The folder already exists</source>
        <translation>Папка уже существует</translation>
    </message>
    <message>
        <source>The existing Data will be overwritten.</source>
        <translation>Существующие данные будут перезаписаны.</translation>
    </message>
    <message>
        <source>The plugin could not be installed: </source>
        <translation>Не удалось установить плагин: </translation>
    </message>
    <message>
        <source>Plugin imported</source>
        <translation>Плагин импортирован</translation>
    </message>
    <message>
        <source>Plugin imported.
Please restart the Mervex Velli-Chor-Launcher.</source>
        <translation>Плагин импортирован.
Перезапустите лаунчер Mervex Velli-Chor.</translation>
    </message>
    <message>
        <source>The plugin was installed, but its library is refused:</source>
        <translation>Плагин установлен, но его библиотека отклонена:</translation>
    </message>
</context>
<context>
    <name>ImpExpPopup</name>
    <message>
        <source>IMPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>ИМПОРТ ПАКЕТА VELLI-CHOR™</translation>
    </message>
    <message>
        <source>EXPORT A VELLI-CHOR™ PACKAGE</source>
        <translation>ЭКСПОРТ ПАКЕТА VELLI-CHOR™</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>ИМПОРТ</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ЭКСПОРТ</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO IMPORT</source>
        <translation>ЭЛЕМЕНТЫ ДЛЯ ИМПОРТА</translation>
    </message>
    <message>
        <source>SELECT CONTROL/S TO EXPORT</source>
        <translation>ЭЛЕМЕНТЫ ДЛЯ ЭКСПОРТА</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO IMPORT</source>
        <translation>СЕТКИ ДЛЯ ИМПОРТА</translation>
    </message>
    <message>
        <source>SELECT GRID/S TO EXPORT</source>
        <translation>СЕТКИ ДЛЯ ЭКСПОРТА</translation>
    </message>
    <message>
        <source>PACKAGE INFORMATION</source>
        <translation>ИНФОРМАЦИЯ О ПАКЕТЕ</translation>
    </message>
    <message>
        <source>CONTROLS:</source>
        <translation>ЭЛЕМЕНТЫ:</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Свои элементы</translation>
    </message>
    <message>
        <source>GRID/S:</source>
        <translation>СЕТКИ:</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Свои сетки</translation>
    </message>
    <message>
        <source>INFORMATION:</source>
        <translation>ИНФОРМАЦИЯ:</translation>
    </message>
    <message>
        <source>Feel free to add more information to your
MERVEX™ Velli-Chor™ Package.</source>
        <translation>Здесь можно добавить сведения
о пакете MERVEX™ Velli-Chor™.</translation>
    </message>
    <message>
        <source>Package Name:</source>
        <translation>Имя пакета:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>E-Mail Address:</source>
        <translation>Адрес e-mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Импорт пакета ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Не удаётся импортировать файл: </translation>
    </message>
    <message>
        <source>The package holds no controls and no grids: </source>
        <translation>В пакете нет ни элементов, ни сеток: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>No items selected.</source>
        <translation>Ничего не выбрано.</translation>
    </message>
    <message>
        <source>The controls were not imported: </source>
        <translation>Элементы не импортированы: </translation>
    </message>
    <message>
        <source>Export Package as ...</source>
        <translation>Экспорт пакета как ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Не удаётся записать файл: </translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Не упаковано, вне папок данных и пользователя:</translation>
    </message>
</context>
<context>
    <name>LanguageSwitcher</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Cannot load: </source>
        <translation>Не удаётся загрузить: </translation>
    </message>
    <message>
        <source>Custom translation successfully loaded: </source>
        <translation>Свой перевод загружен: </translation>
    </message>
</context>
<context>
    <name>LoggerWnd</name>
    <message>
        <source>Trace</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Сбой</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>В файл ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Save Log File as ...</source>
        <translation>Сохранить журнал как ...</translation>
    </message>
</context>
<context>
    <name>MTEButtonElements</name>
    <message>
        <source>CONTROLS:</source>
        <translation>ЭЛЕМЕНТЫ:</translation>
    </message>
    <message>
        <source>IMPORT AND EXPORT:</source>
        <translation>ИМПОРТ И ЭКСПОРТ:</translation>
    </message>
    <message>
        <source>EXCHANGE YOUR CONTROLS AND GRIDS.</source>
        <translation>ОБМЕН ЭЛЕМЕНТАМИ И СЕТКАМИ.</translation>
    </message>
    <message>
        <source>IMPORT
PACKAGE</source>
        <translation>ИМПОРТ
ПАКЕТА</translation>
    </message>
    <message>
        <source>Import grid and controls package</source>
        <translation>Импорт пакета сеток и элементов</translation>
    </message>
    <message>
        <source>EXPORT
PACKAGE</source>
        <translation>ЭКСПОРТ
ПАКЕТА</translation>
    </message>
    <message>
        <source>Export grid and controls package</source>
        <translation>Экспорт пакета сеток и элементов</translation>
    </message>
    <message>
        <source>Button Element Category</source>
        <translation>Категория элементов</translation>
    </message>
    <message>
        <source>Preset Controls</source>
        <translation>Готовые элементы</translation>
    </message>
    <message>
        <source>Premium Controls</source>
        <translation>Премиум-элементы</translation>
    </message>
    <message>
        <source>Plugin Controls</source>
        <translation>Элементы плагинов</translation>
    </message>
    <message>
        <source>Custom Controls</source>
        <translation>Свои элементы</translation>
    </message>
    <message>
        <source>DELETE CUSTOM CONTROL?</source>
        <translation>УДАЛИТЬ СВОЙ ЭЛЕМЕНТ?</translation>
    </message>
    <message>
        <source>Do you want to delete: </source>
        <translation>Удалить: </translation>
    </message>
</context>
<context>
    <name>MTEEditControl</name>
    <message>
        <source>choose file ...</source>
        <translation>выберите файл ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Назначить сочетание клавиш ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Запустить приложение ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Открыть (файл/документ/сайт) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Открыть сайт ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Назначить макрос ...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>CONTROL EDITOR:</source>
        <translation>РЕДАКТОР ЭЛЕМЕНТА:</translation>
    </message>
    <message>
        <source>CONTROL PREVIEW:</source>
        <translation>ПРОСМОТР ЭЛЕМЕНТА:</translation>
    </message>
    <message>
        <source>Save current Control Config</source>
        <translation>Сохранить текущую конфигурацию элемента</translation>
    </message>
    <message>
        <source>Export Control including Custom Images</source>
        <translation>Экспорт элемента со своими изображениями</translation>
    </message>
    <message>
        <source>Import Control or Grid</source>
        <translation>Импорт элемента или сетки</translation>
    </message>
    <message>
        <source>ADD TO
GRID</source>
        <translation>ДОБАВИТЬ
НА СЕТКУ</translation>
    </message>
    <message>
        <source>Add control to grid</source>
        <translation>Добавить элемент на сетку</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Apply current config to Control</source>
        <translation>Применить текущую конфигурацию к элементу</translation>
    </message>
    <message>
        <source>Right Mouse Button to interact, Left Mouse Button to Drag&apos;n Drop to Grid</source>
        <translation>Правая кнопка мыши — взаимодействие, левая — перетаскивание на сетку</translation>
    </message>
    <message>
        <source>Functions/description:</source>
        <translation>Функции/описание:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Record Shortcut by pressing Keys</source>
        <translation>Записать сочетание нажатием клавиш</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Выбрать звук</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Изображения (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Звуки (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Все (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The control was not saved: </source>
        <translation>Элемент не сохранён: </translation>
    </message>
    <message>
        <source>Save Custom Control As ...</source>
        <translation>Сохранить свой элемент как ...</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Категория:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The control was not saved: it needs a category and a name.</source>
        <translation>Элемент не сохранён: нужны категория и имя.</translation>
    </message>
    <message>
        <source>Export Control as ...</source>
        <translation>Экспорт элемента как ...</translation>
    </message>
    <message>
        <source>Can&apos;t write File: </source>
        <translation>Не удаётся записать файл: </translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>Not packed, outside the data and user folders:</source>
        <translation>Не упаковано, вне папок данных и пользователя:</translation>
    </message>
    <message>
        <source>Import Control ...</source>
        <translation>Импорт элемента ...</translation>
    </message>
    <message>
        <source>Can&apos;t import File: </source>
        <translation>Не удаётся импортировать файл: </translation>
    </message>
    <message>
        <source>Invalid File: </source>
        <translation>Недопустимый файл: </translation>
    </message>
</context>
<context>
    <name>MTEGridEdit</name>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Create new grid</source>
        <translation>Создать новую сетку</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>Сохранить сетку</translation>
    </message>
    <message>
        <source>Save grid as</source>
        <translation>Сохранить сетку как</translation>
    </message>
    <message>
        <source>Edit grid settings</source>
        <translation>Изменить настройки сетки</translation>
    </message>
    <message>
        <source>Clear all controls from grid</source>
        <translation>Убрать все элементы с сетки</translation>
    </message>
    <message>
        <source>Delete grid</source>
        <translation>Удалить сетку</translation>
    </message>
    <message>
        <source>Show Tabs Help</source>
        <translation>Справка по вкладкам</translation>
    </message>
    <message>
        <source>Move Tab to the left</source>
        <translation>Сдвинуть вкладку влево</translation>
    </message>
    <message>
        <source>Move Tab to the right</source>
        <translation>Сдвинуть вкладку вправо</translation>
    </message>
    <message>
        <source>Show Tab on mobile device</source>
        <translation>Показать вкладку на мобильном устройстве</translation>
    </message>
    <message>
        <source>Remove Tab from mobile device</source>
        <translation>Убрать вкладку с мобильного устройства</translation>
    </message>
    <message>
        <source>Add grid to tab bar</source>
        <translation>Добавить сетку на панель вкладок</translation>
    </message>
    <message>
        <source>Switch to previous Grid</source>
        <translation>Предыдущая сетка</translation>
    </message>
    <message>
        <source>Switch to next Grid</source>
        <translation>Следующая сетка</translation>
    </message>
    <message>
        <source>Grid settings</source>
        <translation>Настройки сетки</translation>
    </message>
    <message>
        <source>ADD TO BAR</source>
        <translation>НА ПАНЕЛЬ</translation>
    </message>
    <message>
        <source>EDIT GRID:</source>
        <translation>ПРАВКА СЕТКИ:</translation>
    </message>
    <message>
        <source>EDIT TABS:</source>
        <translation>ВКЛАДКИ:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Готовые сетки</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Премиум-сетки</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Свои сетки</translation>
    </message>
    <message>
        <source>New Grid...</source>
        <translation>Новая сетка...</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Сохранить сетку</translation>
    </message>
    <message>
        <source>Save Grid as ...</source>
        <translation>Сохранить сетку как ...</translation>
    </message>
    <message>
        <source>Edit/Rename Grid</source>
        <translation>Изменить/переименовать сетку</translation>
    </message>
    <message>
        <source>Clear all Blocks</source>
        <translation>Очистить все блоки</translation>
    </message>
    <message>
        <source>Delete Grid</source>
        <translation>Удалить сетку</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Maximum number of Tabs exceeded!</source>
        <translation>Превышено максимальное число вкладок!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>ГОТОВО</translation>
    </message>
    <message>
        <source>Saved Custom Grid: </source>
        <translation>Сохранена своя сетка: </translation>
    </message>
    <message>
        <source>Save Custom Grid as ...</source>
        <translation>Сохранить свою сетку как ...</translation>
    </message>
    <message>
        <source>invalid filename: </source>
        <translation>Недопустимое имя файла: </translation>
    </message>
    <message>
        <source>Grid %1 already exists!</source>
        <translation>Сетка %1 уже существует!</translation>
    </message>
    <message>
        <source>ARE YOU SURE?</source>
        <translation>ВЫ УВЕРЕНЫ?</translation>
    </message>
    <message>
        <source>Do you want to clear your Grid?</source>
        <translation>Очистить сетку?</translation>
    </message>
    <message>
        <source>Do you really want to delete Custom Grid: </source>
        <translation>Действительно удалить свою сетку: </translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>СОХРАНИТЬ ИЗМЕНЕНИЯ?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Grid. Do you want to Save your changes?</source>
        <translation>Сетка изменена. Сохранить изменения?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Tabs. Do you want to Save your changes?</source>
        <translation>Вкладки изменены. Сохранить изменения?</translation>
    </message>
    <message>
        <source>TABS HELP</source>
        <translation>СПРАВКА ПО ВКЛАДКАМ</translation>
    </message>
    <message>
        <source>Tabs Overview:</source>
        <translation>Обзор вкладок:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pre-installed Tab&lt;/b&gt;&lt;br&gt;Tabs with a &lt;span style=&apos;color:#28a3dd;&apos;&gt;blue&lt;/span&gt; LED in the upper right-hand corner are pre-installed and ready for use.</source>
        <translation>&lt;b&gt;Предустановленная вкладка&lt;/b&gt;&lt;br&gt;Вкладки с &lt;span style=&apos;color:#28a3dd;&apos;&gt;синим&lt;/span&gt; индикатором в правом верхнем углу предустановлены и готовы к работе.</translation>
    </message>
    <message>
        <source>Export Package ...</source>
        <translation>Экспорт пакета ...</translation>
    </message>
    <message>
        <source>Import Package ...</source>
        <translation>Импорт пакета ...</translation>
    </message>
</context>
<context>
    <name>MTEGridList</name>
    <message>
        <source>BROWSE GRIDS:</source>
        <translation>ОБЗОР СЕТОК:</translation>
    </message>
    <message>
        <source>Preset Grids</source>
        <translation>Готовые сетки</translation>
    </message>
    <message>
        <source>Premium Grids</source>
        <translation>Премиум-сетки</translation>
    </message>
    <message>
        <source>Custom Grids</source>
        <translation>Свои сетки</translation>
    </message>
    <message>
        <source>All Grids</source>
        <translation>Все сетки</translation>
    </message>
    <message>
        <source>GET MORE</source>
        <translation>ПОЛУЧИТЬ ЕЩЁ</translation>
    </message>
    <message>
        <source>Grid name</source>
        <translation>Имя сетки</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>На панели</translation>
    </message>
</context>
<context>
    <name>MTESettingsEdit</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>EDIT SETTINGS:</source>
        <translation>ПРАВКА НАСТРОЕК:</translation>
    </message>
    <message>
        <source>SAVE CHANGES?</source>
        <translation>СОХРАНИТЬ ИЗМЕНЕНИЯ?</translation>
    </message>
    <message>
        <source>You&apos;ve modified your Config. Do you want to Save your changes?</source>
        <translation>Конфигурация изменена. Сохранить изменения?</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>Default Media Player</source>
        <translation>Медиаплеер по умолчанию</translation>
    </message>
    <message>
        <source>Choose your default media player</source>
        <translation>Выберите медиаплеер по умолчанию</translation>
    </message>
    <message>
        <source>Activate Button Sounds</source>
        <translation>Включить звуки кнопок</translation>
    </message>
    <message>
        <source>Play on touch selected button sound</source>
        <translation>Воспроизводить выбранный звук кнопки при касании</translation>
    </message>
    <message>
        <source>Data protection: We guarantee that any information you give us about your situation will be kept strictly confidential.</source>
        <translation>Защита данных: мы гарантируем, что любые сведения о вашей ситуации, которые вы нам сообщите, останутся строго конфиденциальными.</translation>
    </message>
    <message>
        <source>Published by MERVEX. Use is subject to the licence terms.</source>
        <translation>Издатель: MERVEX. Использование регулируется условиями лицензии.</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Удалить запись</translation>
    </message>
    <message>
        <source>choose file ...</source>
        <translation>выберите файл ...</translation>
    </message>
    <message>
        <source>Assign a shortcut ...</source>
        <translation>Назначить сочетание клавиш ...</translation>
    </message>
    <message>
        <source>Start an application ...</source>
        <translation>Запустить приложение ...</translation>
    </message>
    <message>
        <source>Open any (file/document/website) ...</source>
        <translation>Открыть (файл/документ/сайт) ...</translation>
    </message>
    <message>
        <source>Open a website ...</source>
        <translation>Открыть сайт ...</translation>
    </message>
    <message>
        <source>Assign a macro ...</source>
        <translation>Назначить макрос ...</translation>
    </message>
    <message>
        <source>+ ADD</source>
        <translation>+ ДОБАВИТЬ</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Добавить запись</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Select Sound</source>
        <translation>Выбрать звук</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.exe *.dll *.ico)</source>
        <translation>Изображения (*.png *.jpg *.exe *.dll *.ico)</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.ogg *.mp3)</source>
        <translation>Звуки (*.wav *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1: настройки</translation>
    </message>
</context>
<context>
    <name>MTESettingsElements</name>
    <message>
        <source>SETTINGS:</source>
        <translation>НАСТРОЙКИ:</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1: настройки</translation>
    </message>
</context>
<context>
    <name>MacroPopup</name>
    <message>
        <source>ATTENTION</source>
        <translation>ВНИМАНИЕ</translation>
    </message>
    <message>
        <source>Please enter a name for the macro set:</source>
        <translation>Введите имя набора макросов:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source> Click</source>
        <translation> щелчок</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>ДИСПЕТЧЕР МАКРОСОВ</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>ВЫБОР МАКРОСА</translation>
    </message>
    <message>
        <source>MACRO BASIC EDITOR</source>
        <translation>ПРОСТОЙ РЕДАКТОР МАКРОСОВ</translation>
    </message>
    <message>
        <source>+ NEW</source>
        <translation>+ НОВЫЙ</translation>
    </message>
    <message>
        <source>Add new Macro</source>
        <translation>Добавить новый макрос</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <source>Remove Macro</source>
        <translation>Удалить макрос</translation>
    </message>
    <message>
        <source>KEY PRESS SEQUENCE</source>
        <translation>ПОСЛЕДОВАТЕЛЬНОСТЬ НАЖАТИЙ</translation>
    </message>
    <message>
        <source>RECORD OPTIONS</source>
        <translation>ПАРАМЕТРЫ ЗАПИСИ</translation>
    </message>
    <message>
        <source>START RECORD</source>
        <translation>НАЧАТЬ ЗАПИСЬ</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>ЗАПИСЫВАТЬ ЗАДЕРЖКИ</translation>
    </message>
    <message>
        <source>MACRO OPTIONS</source>
        <translation>ПАРАМЕТРЫ МАКРОСА</translation>
    </message>
    <message>
        <source>REPEAT THE MACRO</source>
        <translation>ПОВТОРЯТЬ МАКРОС</translation>
    </message>
    <message>
        <source>NUMBER OF LOOPS (1-255)</source>
        <translation>ЧИСЛО ПОВТОРОВ (1-255)</translation>
    </message>
    <message>
        <source>MACRO CODE</source>
        <translation>КОД МАКРОСА</translation>
    </message>
    <message>
        <source>Add Macro Set</source>
        <translation>Добавить набор макросов</translation>
    </message>
    <message>
        <source>Delete Macro Set</source>
        <translation>Удалить набор макросов</translation>
    </message>
    <message>
        <source>New Macro</source>
        <translation>Новый макрос</translation>
    </message>
    <message>
        <source>Do you really want to delete the macro set?
This will delete all macros grouped in this macro set.</source>
        <translation>Действительно удалить набор макросов?
Будут удалены все макросы этого набора.</translation>
    </message>
    <message>
        <source>New Macro %1</source>
        <translation>Новый макрос %1</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected macro?</source>
        <translation>Действительно удалить выбранный макрос?</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Вставить задержку</translation>
    </message>
    <message>
        <source>Insert Mouse Event</source>
        <translation>Вставить событие мыши</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Щелчок</translation>
    </message>
    <message>
        <source>Midddle Button</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>STOP RECORD</source>
        <translation>ОСТАНОВИТЬ ЗАПИСЬ</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>wheel turned up</comment>
        <translation> вверх</translation>
    </message>
    <message>
        <source> Up</source>
        <comment>mouse button released</comment>
        <translation> отпущена</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>wheel turned down</comment>
        <translation> вниз</translation>
    </message>
    <message>
        <source> Down</source>
        <comment>mouse button pressed</comment>
        <translation> нажата</translation>
    </message>
</context>
<context>
    <name>MailFetch</name>
    <message>
        <source>missing server</source>
        <translation>не указан сервер</translation>
    </message>
    <message>
        <source>invalid user name or password</source>
        <translation>неверное имя пользователя или пароль</translation>
    </message>
    <message>
        <source>connection to %1 failed</source>
        <translation>не удалось подключиться к %1</translation>
    </message>
    <message>
        <source>invalid reply from %1</source>
        <translation>неверный ответ от %1</translation>
    </message>
    <message>
        <source>Server doesn&apos;t support STARTTLS security</source>
        <translation>Сервер не поддерживает защиту STARTTLS</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>сертификат %1 не является доверенным: %2</translation>
    </message>
</context>
<context>
    <name>MervexWnd</name>
    <message>
        <source>CREATE</source>
        <translation>СОЗДАТЬ</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>ПОДДЕРЖКА</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>ОБЗОР</translation>
    </message>
    <message>
        <source>Create grids and Controls</source>
        <translation>Создание сеток и элементов</translation>
    </message>
    <message>
        <source>Velli-Chor settings</source>
        <translation>Настройки Velli-Chor</translation>
    </message>
    <message>
        <source>Velli-Chor support</source>
        <translation>Поддержка Velli-Chor</translation>
    </message>
    <message>
        <source>Show Easy Mode</source>
        <translation>Показать простой режим</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Invalid Data Directory:</source>
        <translation>Недопустимая папка данных:</translation>
    </message>
    <message>
        <source>MERVEX Velli Chor</source>
        <translation>MERVEX Velli Chor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Сменить язык</translation>
    </message>
    <message>
        <source>Save settings and minimize Velli-Chor Launcher</source>
        <translation>Сохранить настройки и свернуть лаунчер Velli-Chor</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Discard changed settings and minimize launcher to system tray</source>
        <translation>Отменить изменения и свернуть лаунчер в область уведомлений</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ПРИМЕНИТЬ</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>NO INTERNET CONNECTION</source>
        <translation>НЕТ ПОДКЛЮЧЕНИЯ К ИНТЕРНЕТУ</translation>
    </message>
    <message>
        <source>Please make sure you are connected to the internet before using this function.</source>
        <translation>Перед использованием этой функции убедитесь, что есть подключение к интернету.</translation>
    </message>
    <message>
        <source>%1 is not a grid, control or plug-in package.</source>
        <translation>%1 — не пакет сетки, элемента или плагина.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>ИМПОРТ</translation>
    </message>
    <message>
        <source>CONFIRM PAIRING REQUEST</source>
        <translation>ПОДТВЕРЖДЕНИЕ СОПРЯЖЕНИЯ</translation>
    </message>
    <message>
        <source>Do you want to pair with this device?</source>
        <translation>Выполнить сопряжение с устройством?</translation>
    </message>
    <message>
        <source>Your settings could not be saved:
%1</source>
        <translation>Не удалось сохранить ваши настройки:
%1</translation>
    </message>
</context>
<context>
    <name>OpenPopup</name>
    <message>
        <source>OPEN APPLICATION</source>
        <translation>ОТКРЫТЬ ПРИЛОЖЕНИЕ</translation>
    </message>
    <message>
        <source>OPEN ANY</source>
        <translation>ОТКРЫТЬ ФАЙЛ/САЙТ</translation>
    </message>
    <message>
        <source>Open application</source>
        <translation>Открыть приложение</translation>
    </message>
    <message>
        <source>Open any</source>
        <translation>Открыть файл/сайт</translation>
    </message>
    <message>
        <source>Choose an application (*.exe) to open.</source>
        <translation>Выберите приложение (*.exe) для запуска.</translation>
    </message>
    <message>
        <source>Choose an application, document, folder or enter a website to open.</source>
        <translation>Выберите приложение, документ, папку или сайт.</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Приложение:</translation>
    </message>
    <message>
        <source>Open this:</source>
        <translation>Открыть:</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ПАПКА</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Исполняемый файл (*.exe)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Все (*.*)</translation>
    </message>
</context>
<context>
    <name>PairingUI</name>
    <message>
        <source>Registered Devices</source>
        <translation>Зарегистрированные устройства</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>ACTIVATE</source>
        <translation>ВКЛЮЧИТЬ</translation>
    </message>
    <message>
        <source>Activate Device</source>
        <translation>Включить устройство</translation>
    </message>
    <message>
        <source>DEACTIVATE</source>
        <translation>ОТКЛЮЧИТЬ</translation>
    </message>
    <message>
        <source>Deactivate Device</source>
        <translation>Отключить устройство</translation>
    </message>
    <message>
        <source>DELETE DEVICE</source>
        <translation>УДАЛИТЬ УСТРОЙСТВО</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Удалить устройство</translation>
    </message>
    <message>
        <source>+ ADD NEW DEVICE</source>
        <translation>+ ДОБАВИТЬ УСТРОЙСТВО</translation>
    </message>
    <message>
        <source>Enters Pairing Mode</source>
        <translation>Включает режим сопряжения</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Active (Paired)</source>
        <translation>Активно</translation>
    </message>
    <message>
        <source>Inactive (Paired)</source>
        <translation>Неактивно</translation>
    </message>
    <message>
        <source>DELETE DEVICE?</source>
        <translation>УДАЛИТЬ УСТРОЙСТВО?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ПРОПУСТИТЬ</translation>
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
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ЗАКРЫТЬ</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ПРИМЕНИТЬ</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>СБРОС</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Выбор цвета</translation>
    </message>
</context>
<context>
    <name>ShortcutPopup</name>
    <message>
        <source>ASSIGN A SHORTCUT</source>
        <translation>НАЗНАЧИТЬ СОЧЕТАНИЕ КЛАВИШ</translation>
    </message>
    <message>
        <source>Assign a shortcut key</source>
        <translation>Назначить сочетание клавиш</translation>
    </message>
    <message>
        <source>Please enter your shortcut here ...</source>
        <translation>Введите сочетание клавиш ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
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
        <translation>(Одна клавиша)</translation>
    </message>
</context>
<context>
    <name>TabView</name>
    <message>
        <source>CREATE CUSTOM TAB?</source>
        <translation>СОЗДАТЬ СВОЮ ВКЛАДКУ?</translation>
    </message>
    <message>
        <source>Do you want to create a custom tab?</source>
        <translation>Создать свою вкладку?</translation>
    </message>
</context>
<context>
    <name>TilingPopup</name>
    <message>
        <source>EDIT TILING</source>
        <translation>НАСТРОЙКА ЗАПОЛНЕНИЯ</translation>
    </message>
    <message>
        <source>Tiling:</source>
        <translation>Вид:</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>СБРОС</translation>
    </message>
</context>
<context>
    <name>UrlPopup</name>
    <message>
        <source>OPEN WEBSITE</source>
        <translation>ОТКРЫТЬ САЙТ</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Открыть сайт</translation>
    </message>
    <message>
        <source>Choose a website URL (http://...) to open.</source>
        <translation>Введите URL сайта (http://...) для открытия.</translation>
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
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted: %2</source>
        <translation>сертификат %1 не является доверенным: %2</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>ошибка: %1</translation>
    </message>
</context>
</TS>
