<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Caption</name>
    <message>
        <source>Run Half-Life Now!</source>
        <translation>Запустить Half-Life!</translation>
    </message>
    <message>
        <source>Could not start hl.exe!</source>
        <translation>Не удалось запустить hl.exe!</translation>
    </message>
    <message>
        <source>Make CFG File:</source>
        <translation>Создать CFG:</translation>
    </message>
    <message>
        <source>CFG file created</source>
        <translation>CFG-файл создан</translation>
    </message>
    <message>
        <source>Enter a filename!</source>
        <translation>Введи имя!</translation>
    </message>
    <message>
        <source>Delete all saved settings</source>
        <translation>Удалить все слоты</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Сохранить:</translation>
    </message>
    <message>
        <source>Current Command Line:</source>
        <translation>Текущая командная строка:</translation>
    </message>
    <message>
        <source> ERROR: Dir not found!</source>
        <translation> ОШИБКА: нет папки!</translation>
    </message>
    <message>
        <source>This is the command line that will be executed, like from the DOS prompt</source>
        <translation>Эта командная строка будет выполнена так, будто ты набрал её в командной строке DOS</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Not saved!</source>
        <translation>Не сохранено!</translation>
    </message>
</context>
<context>
    <name>DeleteAll</name>
    <message>
        <source>Are you sure?</source>
        <translation>Ты уверен?</translation>
    </message>
    <message>
        <source>Are you really, really sure?</source>
        <translation>Точно-точно уверен?</translation>
    </message>
    <message>
        <source>OK, they&apos;re deleted</source>
        <translation>Ладно, удалено</translation>
    </message>
    <message>
        <source>I just did that</source>
        <translation>Уже сделал</translation>
    </message>
    <message>
        <source>No, really, I deleted them!</source>
        <translation>Нет, правда, удалил!</translation>
    </message>
    <message>
        <source>Oh alright, I&apos;ll re-delete them</source>
        <translation>Ну ладно, удалю ещё раз</translation>
    </message>
    <message>
        <source>What, again?!?</source>
        <translation>Что, опять?!?</translation>
    </message>
    <message>
        <source>I&apos;m tired, go away</source>
        <translation>Я устал, отстань</translation>
    </message>
    <message>
        <source>OK, but this is the last time</source>
        <translation>Ладно, в последний раз</translation>
    </message>
    <message>
        <source>STOP CLICKING ME!!!</source>
        <translation>ХВАТИТ ТЫКАТЬ!!!</translation>
    </message>
    <message>
        <source>You&apos;re starting to annoy me...</source>
        <translation>Ты начинаешь бесить...</translation>
    </message>
    <message>
        <source>That&apos;s it! You&apos;re dead, man!</source>
        <translation>Всё! Тебе конец, чувак!</translation>
    </message>
</context>
<context>
    <name>GameWatch</name>
    <message>
        <source>This edition of Half-Life needs the Steam client running: start Steam first, or choose the Half-Life folder of a Steam library with Browse, so that Vantor starts the game through Steam.</source>
        <translation>Этой версии Half-Life нужен запущенный клиент Steam: сначала запусти Steam или выбери кнопкой «Обзор» папку Half-Life из библиотеки Steam, чтобы Vantor запускал игру через Steam.</translation>
    </message>
    <message>
        <source>Half-Life is a 32-bit program, and the system lacks 32-bit libraries that it needs. On Debian and Ubuntu: sudo dpkg --add-architecture i386 &amp;&amp; sudo apt install libc6:i386 libgl1:i386</source>
        <translation>Half-Life — 32-битная программа, а в системе нет нужных ей 32-битных библиотек. В Debian и Ubuntu: sudo dpkg --add-architecture i386 &amp;&amp; sudo apt install libc6:i386 libgl1:i386</translation>
    </message>
    <message>
        <source>The mod %1 has no library for Linux (its liblist.gam names no gamedll_linux): it runs only with the Windows edition of Half-Life, hl.exe through wine.</source>
        <translation>У мода %1 нет библиотеки для Linux (в его liblist.gam не указан gamedll_linux): он работает только с Windows-версией Half-Life, то есть с hl.exe через wine.</translation>
    </message>
    <message>
        <source>a crash</source>
        <translation>вылет</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>код %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>не удалось создать папку %1</translation>
    </message>
    <message>
        <source>Its output could not be written to %1: %2</source>
        <translation>Не удалось записать его вывод в %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchPrefix</name>
    <message>
        <source>%command% stands there more than once</source>
        <translation>%command% указан больше одного раза</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>не закрыта кавычка</translation>
    </message>
    <message>
        <source>Custom Parameters cannot be read: %1</source>
        <translation>Не удаётся разобрать «Свои параметры»: %1</translation>
    </message>
    <message>
        <source>the wrapper %1 is not on the PATH</source>
        <translation>обёртки %1 нет в PATH</translation>
    </message>
    <message>
        <source>a command substitution ($(…) or `…`) is never run</source>
        <translation>подстановка команд ($(…) или `…`) никогда не выполняется</translation>
    </message>
    <message>
        <source>only $NAME and ${NAME} are expanded, not %1</source>
        <translation>подставляются только $NAME и ${NAME}, но не %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Open Vantor</source>
        <translation>Открыть Vantor</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>The BSP file you want loaded when the game starts (if you do want one loaded)</source>
        <translation>BSP-файл карты, которая загрузится при старте игры (если тебе вообще нужна карта)</translation>
    </message>
    <message>
        <source>For a 28.8 modem, your rate should be somewhere between 2000 and 3000, you need to try lots of different settings in the console to work out what&apos;s best for you</source>
        <translation>Для модема 28,8 rate стоит ставить где-то между 2000 и 3000; чтобы найти лучшее для себя значение, придётся перепробовать в консоли кучу разных</translation>
    </message>
    <message>
        <source>Maximum number of players that can be in a multiplayer game at once</source>
        <translation>Максимальное число игроков, которые могут одновременно быть в сетевой игре</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For LAN games, it shouldn&apos;t matter that much</source>
        <translation>Ограничивает FPS: если FPS слишком высокий, начнутся лаги. В игре по LAN это не так уж важно</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For a 28.8 modem, you&apos;d want to use around 22fps-28fps</source>
        <translation>Ограничивает FPS: если FPS слишком высокий, начнутся лаги. Для модема 28,8 лучше ставить около 22–28 fps</translation>
    </message>
    <message>
        <source>The amount Half-Life should predict entity movement, this should be around the same as your ping time, try different settings in the console</source>
        <translation>Насколько Half-Life должен предсказывать движение объектов; значение должно быть примерно равно твоему пингу, попробуй в консоли разные</translation>
    </message>
    <message>
        <source>The amount of decals (blood splats, bulletholes, etc.) that can exist at once. Having too many decals in the screen at once will decrease framerate by quite a lot</source>
        <translation>Сколько декалей (брызг крови, дырок от пуль и т. п.) может быть одновременно. Если декалей на экране слишком много, FPS сильно просядет</translation>
    </message>
    <message>
        <source>Numeric Ping</source>
        <translation>Пинг в мс</translation>
    </message>
    <message>
        <source>Uses numeric ping times instead of the &quot;traffic light&quot; thingies.</source>
        <translation>Показывает пинг числами, а не этими «светофорными» штуками.</translation>
    </message>
    <message>
        <source>Start in Console</source>
        <translation>Запуск в консоли</translation>
    </message>
    <message>
        <source>When Half-Life loads, it&apos;ll go directly to the console instead of the main menu</source>
        <translation>После загрузки Half-Life сразу откроется консоль, а не главное меню</translation>
    </message>
    <message>
        <source>Allow Cheats</source>
        <translation>Разрешить читы</translation>
    </message>
    <message>
        <source>Allows you to use cheats if you want to. Warning!: If you&apos;re running a multiplayer server, it&apos;ll allow people to use cheats in the game</source>
        <translation>Позволяет пользоваться читами, если хочешь. Внимание!: если у тебя запущен сетевой сервер, читами смогут пользоваться все игроки</translation>
    </message>
    <message>
        <source>MMX Processor</source>
        <translation>MMX-процессор</translation>
    </message>
    <message>
        <source>Enables MMX support. Do not use this unless you have an MMX enhanced processor</source>
        <translation>Включает поддержку MMX. Не включай, если у тебя процессор без MMX</translation>
    </message>
    <message>
        <source>MouseLook (freelook)</source>
        <translation>Обзор мышью</translation>
    </message>
    <message>
        <source>Mouse Filter</source>
        <translation>Фильтр мыши</translation>
    </message>
    <message>
        <source>Enabling this will make mouse movement a bit smoother, but it also makes it a bit harder to aim</source>
        <translation>Если включить, мышь будет двигаться чуть плавнее, но и целиться станет чуть сложнее</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>Enables shadows, only works in hardware mode. Will decrease framerate a bit.</source>
        <translation>Включает тени, работает только в аппаратном режиме. Немного снизит FPS.</translation>
    </message>
    <message>
        <source>Custom Map:</source>
        <translation>Своя карта:</translation>
    </message>
    <message>
        <source>Custom CFG:</source>
        <translation>Свой CFG:</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads</source>
        <translation>Так можно выполнить при загрузке игры CFG-файл с любыми командами</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads (should end in &quot;.cfg&quot;)</source>
        <translation>Так можно выполнить при загрузке игры CFG-файл с любыми командами (имя должно кончаться на «.cfg»)</translation>
    </message>
    <message>
        <source>Skill Level:</source>
        <translation>Сложность:</translation>
    </message>
    <message>
        <source>The difficulty level in single player</source>
        <translation>Уровень сложности в одиночной игре</translation>
    </message>
    <message>
        <source>Console Speed:</source>
        <translation>Темп консоли:</translation>
    </message>
    <message>
        <source>The speed that the console moves at when you bring it down/put it away. 600 is the default speed</source>
        <translation>Скорость, с которой консоль выезжает и уезжает обратно. По умолчанию 600</translation>
    </message>
    <message>
        <source>Third Person View</source>
        <translation>Вид от третьего лица</translation>
    </message>
    <message>
        <source>Shows everything from a third person (chasecam) view. Check Help for camera control info.</source>
        <translation>Показывает всё от третьего лица (камера chasecam). Как управлять камерой, смотри в «Справке».</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Режим разработчика</translation>
    </message>
    <message>
        <source>Advanced, displays a lot more information about what&apos;s going on in the console. Good for testing maps</source>
        <translation>Для продвинутых: выводит в консоль гораздо больше сведений о том, что происходит. Полезно для тестирования карт</translation>
    </message>
    <message>
        <source>Direct3D Flip</source>
        <translation>Direct3D Flip</translation>
    </message>
    <message>
        <source>If you experience input lag (takes a while for things to react to your controls in single and multiplayer), enabling this might fix it</source>
        <translation>Если управление запаздывает (игра не сразу откликается на твои действия в одиночной и сетевой игре), это может помочь</translation>
    </message>
    <message>
        <source>Enable Joystick</source>
        <translation>Включить джойстик</translation>
    </message>
    <message>
        <source>Disabling the joystick increases performance slightly. Enable this if you want to use a joystick</source>
        <translation>Без джойстика игра работает чуть быстрее. Включай, только если собираешься играть джойстиком</translation>
    </message>
    <message>
        <source>HL Dir:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <source>Your Half-Life directory location</source>
        <translation>Путь к папке Half-Life</translation>
    </message>
    <message>
        <source>Save on Run (Slot 3)</source>
        <translation>Сохранять в слот 3</translation>
    </message>
    <message>
        <source>Saves the current Vantor options in slot 3 before running Half-Life</source>
        <translation>Перед запуском Half-Life сохраняет текущие опции Vantor в слот 3</translation>
    </message>
    <message>
        <source>Close Vantor on Run</source>
        <translation>Выйти после запуска</translation>
    </message>
    <message>
        <source>Closes Vantor after running Half-Life</source>
        <translation>Закрывает Vantor после запуска Half-Life</translation>
    </message>
    <message>
        <source> Custom Parameters:</source>
        <translation> Свои параметры:</translation>
    </message>
    <message>
        <source>Advanced. If you want to add anything to the command line, type it here</source>
        <translation>Для продвинутых. Если хочешь добавить что-то в командную строку, пиши сюда</translation>
    </message>
    <message>
        <source>DM Server</source>
        <translation>DM-сервер</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re running a DM server</source>
        <translation>Включи, если держишь DM-сервер (deathmatch)</translation>
    </message>
    <message>
        <source>LAN Game</source>
        <translation>LAN-игра</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re going to be playing multiplayer over a Local Area Network</source>
        <translation>Включи, если собираешься играть по локальной сети</translation>
    </message>
    <message>
        <source>Allow Download</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>Allows HL to download maps, models, and decals from a multiplayer server. Will probably increase lag.</source>
        <translation>Разрешает HL скачивать с сетевого сервера карты, модели и декали. Скорее всего, лагов прибавится.</translation>
    </message>
    <message>
        <source>Allow Upload</source>
        <translation>Выгрузка</translation>
    </message>
    <message>
        <source>Allows Half-Life to upload your custom decals, models, etc. to the server, will increase lag while uploading</source>
        <translation>Разрешает Half-Life выгружать на сервер твои декали, модели и т. п.; пока идёт выгрузка, будет лагать</translation>
    </message>
    <message>
        <source>High Quality Models</source>
        <translation>Качественные модели</translation>
    </message>
    <message>
        <source>Turning this on makes models look better, but it&apos;ll decrease your framerate a bit</source>
        <translation>С этим модели выглядят лучше, но FPS немного упадёт</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Max Players</source>
        <translation>Макс. игроков</translation>
    </message>
    <message>
        <source>FPS Limit for LAN games</source>
        <translation>Лимит FPS в игре по LAN</translation>
    </message>
    <message>
        <source>FPS Limit for Net Games</source>
        <translation>Лимит FPS в интернете</translation>
    </message>
    <message>
        <source>Pushlatency</source>
        <translation>Pushlatency</translation>
    </message>
    <message>
        <source>Dynamic Lighting</source>
        <translation>Динам. свет</translation>
    </message>
    <message>
        <source>Turns on/off dynamic lighting (light from rockets, explosions, your flashlight, etc.) Will increase your framerate a bit to disable this</source>
        <translation>Включает и выключает динамический свет (от ракет, взрывов, твоего фонарика и т. п.). Если его выключить, FPS немного вырастет</translation>
    </message>
    <message>
        <source>gl_texsort</source>
        <translation>gl_texsort</translation>
    </message>
    <message>
        <source>On will make things a lot brighter, but off will increase framerate by quite a bit. Off may also cause some textures to disappear</source>
        <translation>Если включено, всё намного ярче, а если выключено, FPS заметно выше. Зато при выключенном могут пропадать некоторые текстуры</translation>
    </message>
    <message>
        <source>Weapon Model</source>
        <translation>Модель оружия</translation>
    </message>
    <message>
        <source>If off, the weapon model will be invisible. This will increase your framerate</source>
        <translation>Если выключить, модель оружия в руках станет невидимой. Это поднимет FPS</translation>
    </message>
    <message>
        <source>Junctions</source>
        <translation>Стыки</translation>
    </message>
    <message>
        <source>On fills in cracks between polygons, making things look smoother etc. Off will increase perfomance a bit</source>
        <translation>Если включено, заделывает щели между полигонами, и всё выглядит ровнее. Если выключить, игра пойдёт чуть быстрее</translation>
    </message>
    <message>
        <source>Decal Limit</source>
        <translation>Лимит декалей</translation>
    </message>
    <message>
        <source>Z-trick</source>
        <translation>Z-trick</translation>
    </message>
    <message>
        <source>On should increase framerate a bit, but it may cause textures to flicker etc. on some systems</source>
        <translation>Если включено, FPS должен немного вырасти, но на некоторых системах текстуры могут мерцать и т. п.</translation>
    </message>
    <message>
        <source>Mod Dir:     (e.g. &quot;tfc&quot;)</source>
        <translation>Мод:     (напр. «tfc»)</translation>
    </message>
    <message>
        <source>Click this if you want to run Half-Life using a mod (such as Team Fortress Classic). Works only with v1.0.0.9 and above.</source>
        <translation>Отметь, если хочешь запустить Half-Life с модом (например, Team Fortress Classic). Работает только с v1.0.0.9 и выше.</translation>
    </message>
    <message>
        <source>The directory of the mod you want to run (e.g.  tfc ). Works only with v1.0.0.9 and above.</source>
        <translation>Папка мода, который хочешь запустить (напр.  tfc ). Работает только с v1.0.0.9 и выше.</translation>
    </message>
    <message>
        <source>16 bit Sound</source>
        <translation>Звук 16 бит</translation>
    </message>
    <message>
        <source>Off is 8-bit sound. 16 bit is better, but 8bit will speed things up slightly</source>
        <translation>Если выключено, звук 8-битный. 16 бит лучше, но 8 бит чуть ускорят игру</translation>
    </message>
    <message>
        <source>High Sound Quality</source>
        <translation>Качественный звук</translation>
    </message>
    <message>
        <source>Better quality sound, will slow things down a bit though</source>
        <translation>Звук качественнее, зато игра станет чуть медленнее</translation>
    </message>
    <message>
        <source>Reverb Effects</source>
        <translation>Реверберация</translation>
    </message>
    <message>
        <source>Reverb effects, off will speed things up slightly</source>
        <translation>Эффекты реверберации (эхо); если выключить, игра чуть ускорится</translation>
    </message>
    <message>
        <source>Max Performance Sound</source>
        <translation>Звук: макс. скорость</translation>
    </message>
    <message>
        <source>Off is max compatibility. Turn this off if you&apos;re having problems with sound skipping/stuttering/etc.</source>
        <translation>Если выключено, совместимость максимальная. Выключи, если звук прерывается, заикается и т. п.</translation>
    </message>
    <message>
        <source>EAX Sound</source>
        <translation>Звук EAX</translation>
    </message>
    <message>
        <source>Turn this on if you have an EAX compatible soundcard</source>
        <translation>Включи, если твоя звуковуха поддерживает EAX</translation>
    </message>
    <message>
        <source>A3D Sound</source>
        <translation>Звук A3D</translation>
    </message>
    <message>
        <source>Turn this on if you have an A3D compatible soundcard</source>
        <translation>Включи, если твоя звуковуха поддерживает A3D</translation>
    </message>
    <message>
        <source>I&apos;m getting a &quot;DIR not found!&quot; error, but the dir exists!</source>
        <translation>Выдаёт ошибку «нет папки!», а папка на месте!</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по опциям командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая общие опции Qt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опции]</translation>
    </message>
</context>
<context>
    <name>Skill</name>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Sets Half-Life&apos;s options and starts the game.

--print and --run show no window and ask nothing. Exit status:
  0  done; for --run, the game was started
  1  the options are wrong
  2  the slot asked for is not saved
  3  no Game directory has been chosen in the window
  4  the CFG file could not be written
  5  the game could not be started
  6  the game ended at once</source>
        <translation>Задаёт опции Half-Life и запускает игру.

--print и --run не показывают окна и ничего не спрашивают. Код выхода:
  0  готово; для --run: игра запущена
  1  опции заданы неверно
  2  запрошенный слот не сохранён
  3  в окне не выбрана папка игры
  4  не удалось записать CFG-файл
  5  не удалось запустить игру
  6  игра сразу завершилась</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>Loads the options of slot &lt;N&gt; (1 to 3) instead of the Default slot.</source>
        <translation>Загружает опции из слота &lt;N&gt; (от 1 до 3) вместо стартового слота.</translation>
    </message>
    <message>
        <source>Prints what Run would start, as a shell would run it, then the CFG file that it would write (none in the directory-not-found mode). Writes nothing.</source>
        <translation>Выводит то, что запустила бы кнопка «Запустить Half-Life!», в виде команды для оболочки, а затем CFG-файл, который она записала бы (в режиме «нет папки» его нет). Ничего не записывает.</translation>
    </message>
    <message>
        <source>Does what &quot;Run Half-Life Now!&quot; does, then ends.</source>
        <translation>Делает то же, что кнопка «Запустить Half-Life!», и завершается.</translation>
    </message>
    <message>
        <source>With --run: says why the game could not be started in a desktop notification, or a message window, as the desktop menu&apos;s entries do; for a slot that is not saved it offers to open Vantor.</source>
        <translation>Вместе с --run: сообщает, почему не удалось запустить игру, уведомлением на рабочем столе или окном с сообщением, как это делают пункты меню рабочего стола; если слот не сохранён, предлагает открыть Vantor.</translation>
    </message>
    <message>
        <source>could not start the game: %1</source>
        <translation>не удалось запустить игру: %1</translation>
    </message>
    <message>
        <source>no Game directory has been chosen; choose one in Vantor&apos;s window</source>
        <translation>папка игры не выбрана; выбери её в окне Vantor</translation>
    </message>
    <message>
        <source>could not write the CFG file %1</source>
        <translation>не удалось записать CFG-файл %1</translation>
    </message>
    <message>
        <source>vantor: Steam starts Half-Life in its own environment, so %1 is left out: it belongs in Steam&apos;s launch options for Half-Life
</source>
        <translation>vantor: Steam запускает Half-Life в своём окружении, поэтому %1 не передаётся: это нужно указать в параметрах запуска Half-Life в Steam
</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1). Its last lines:</source>
        <translation>Half-Life сразу завершился (%1). Последние строки вывода:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Весь вывод: %1</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>См. --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>неожиданный аргумент «%1»; см. --help</translation>
    </message>
    <message>
        <source>--print and --run cannot go together</source>
        <translation>--print и --run нельзя указывать вместе</translation>
    </message>
    <message>
        <source>--slot takes 1, 2 or 3, not &apos;%1&apos;</source>
        <translation>--slot принимает 1, 2 или 3, а не «%1»</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life</source>
        <translation>Vantor не смог запустить Half-Life</translation>
    </message>
    <message>
        <source>Slot %1 is not saved</source>
        <translation>Слот %1 не сохранён</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1).</source>
        <translation>Half-Life сразу завершился (%1).</translation>
    </message>
    <message>
        <source>Vantor&apos;s window needs a graphical session (X11 or Wayland); vantor --print and vantor --run work without one</source>
        <translation>окну Vantor нужен графический сеанс (X11 или Wayland); vantor --print и vantor --run работают и без него</translation>
    </message>
</context>
<context>
    <name>vantor::FilePicker</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select a map:</source>
        <translation>Выбери карту:</translation>
    </message>
    <message>
        <source>Click on the map you want to run when Half-Life starts.</source>
        <translation>Щёлкни по карте, которую нужно загрузить при старте Half-Life.</translation>
    </message>
    <message>
        <source>Select a cfg:</source>
        <translation>Выбери CFG:</translation>
    </message>
    <message>
        <source>Click on the cfg file you want to execute when Half-Life starts.</source>
        <translation>Щёлкни по CFG-файлу, который нужно выполнить при старте Half-Life.</translation>
    </message>
</context>
<context>
    <name>vantor::Form1</name>
    <message>
        <source>Vantor, by Tovrik</source>
        <translation>Vantor от Tovrik</translation>
    </message>
    <message>
        <source>Steam starts Half-Life in its own environment, so Vantor leaves out %1: they belong in Steam&apos;s launch options for Half-Life.</source>
        <translation>Steam запускает Half-Life в своём окружении, поэтому Vantor не передаёт %1: это нужно указать в параметрах запуска Half-Life в Steam.</translation>
    </message>
    <message>
        <source>Paste Command Line or CFG</source>
        <translation>Вставить командную строку или CFG</translation>
    </message>
    <message>
        <source>Bring in Steam&apos;s Launch Options</source>
        <translation>Взять параметры запуска из Steam</translation>
    </message>
    <message>
        <source>Steam keeps no launch options for Half-Life</source>
        <translation>В Steam нет параметров запуска для Half-Life</translation>
    </message>
    <message numerus="yes">
        <source>%n options set</source>
        <translation>
            <numerusform>Задана %n опция</numerusform>
            <numerusform>Заданы %n опции</numerusform>
            <numerusform>Задано %n опций</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n lines not used</source>
        <translation>
            <numerusform>, %n строка не использована</numerusform>
            <numerusform>, %n строки не использованы</numerusform>
            <numerusform>, %n строк не использовано</numerusform>
        </translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Включить: %1</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Загрузить:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot:</source>
        <translation>Загрузить сохранённые ранее опции из слота:</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot:</source>
        <translation>Сохранить текущие опции Vantor в слот:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot %1</source>
        <translation>Загрузить сохранённые ранее опции из слота %1</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Загрузить слот %1</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot %1</source>
        <translation>Сохранить текущие опции Vantor в слот %1</translation>
    </message>
    <message>
        <source>Save Slot %1</source>
        <translation>Сохранить в слот %1</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Старт:</translation>
    </message>
    <message>
        <source>Load options from this slot when Vantor loads:</source>
        <translation>При запуске Vantor загружать опции из этого слота:</translation>
    </message>
    <message>
        <source>Default Slot %1</source>
        <translation>Стартовый слот %1</translation>
    </message>
    <message>
        <source>Set options saved in slot %1 as the default options</source>
        <translation>Загружать при старте опции, сохранённые в слоте %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help, About, etc.</source>
        <translation>Справка, о программе и прочее</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Select the map you want to load when Half-Life runs</source>
        <translation>Выбрать карту, которая загрузится при запуске Half-Life</translation>
    </message>
    <message>
        <source>Browse for a map</source>
        <translation>Выбрать карту</translation>
    </message>
    <message>
        <source>Select a CFG you want to execute when Half-Life loads</source>
        <translation>Выбрать CFG-файл, который выполнится при загрузке Half-Life</translation>
    </message>
    <message>
        <source>Browse for a CFG file</source>
        <translation>Выбрать CFG-файл</translation>
    </message>
    <message>
        <source>Multiplayer Options</source>
        <translation>Опции сетевой игры</translation>
    </message>
    <message>
        <source>Multiplayer-related options</source>
        <translation>Опции для сетевой игры</translation>
    </message>
    <message>
        <source>Performance, Mod (Custom Game) and Sound Options</source>
        <translation>Опции быстродействия, модов (своих игр) и звука</translation>
    </message>
    <message>
        <source>Options to help increase framerate (at a cost), to start Half-Life using a mod (user modification such as TFC), and sound related options.</source>
        <translation>Опции для подъёма FPS (не бесплатно), для запуска Half-Life с модом (пользовательской модификацией вроде TFC) и опции звука.</translation>
    </message>
    <message>
        <source>Go to  Corvana!</source>
        <translation>На  Corvana!</translation>
    </message>
    <message>
        <source>Go to Corvana!</source>
        <translation>На Corvana!</translation>
    </message>
    <message>
        <source>Browse to your \half-life\ directory.</source>
        <translation>Указать свою папку \half-life\.</translation>
    </message>
    <message>
        <source>Browse for the Half-Life folder</source>
        <translation>Выбрать папку Half-Life</translation>
    </message>
    <message>
        <source>Makes a CFG file in your Valve\ dir, using the current settings. You can execute it by typing &quot;exec whatever.cfg&quot; in the console</source>
        <translation>Создаёт в твоей папке Valve\ CFG-файл с текущими настройками. Выполнить его можно, набрав в консоли «exec whatever.cfg»</translation>
    </message>
    <message>
        <source>CFG file name</source>
        <translation>Имя CFG-файла</translation>
    </message>
    <message>
        <source>Runs Half-Life using the current Vantor settings</source>
        <translation>Запускает Half-Life с текущими настройками Vantor</translation>
    </message>
    <message>
        <source>Deletes all Vantor saves from the registry</source>
        <translation>Удаляет все сохранения Vantor из реестра</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Сбросить опции</translation>
    </message>
    <message>
        <source>Resets settings to the Vantor defaults (not Half-Life defaults). Will not wipe saved settings. Vantor will have to be restarted</source>
        <translation>Сбрасывает опции к значениям Vantor по умолчанию (не Half-Life). Сохранения не стирает. Vantor придётся перезапустить</translation>
    </message>
    <message>
        <source>Exit Vantor</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Umm.... guess.</source>
        <translation>Эм.... угадай.</translation>
    </message>
    <message>
        <source>Back to General Options</source>
        <translation>К общим опциям</translation>
    </message>
    <message>
        <source>Read the button</source>
        <translation>Прочти, что на кнопке написано</translation>
    </message>
    <message>
        <source>Back to General Options from Multiplayer</source>
        <translation>К общим опциям из сетевой игры</translation>
    </message>
    <message>
        <source>Performance Options</source>
        <translation>Быстродействие</translation>
    </message>
    <message>
        <source>Mod/Custom Game Options</source>
        <translation>Моды/свои игры</translation>
    </message>
    <message>
        <source>Warning: Use only with Half-Life v1.0.0.9 and above!</source>
        <translation>Внимание: только для Half-Life v1.0.0.9 и выше!</translation>
    </message>
    <message>
        <source>Back to General Options from Performance, Mod and Sound</source>
        <translation>К общим опциям из быстродействия, модов и звука</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>The author&apos;s page</source>
        <translation>Страница автора</translation>
    </message>
    <message>
        <source>Go to the Vantor page for info/etc.</source>
        <translation>Страница Vantor: сведения и пр.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <source>Feeling depressed?</source>
        <translation>Грустишь?</translation>
    </message>
    <message>
        <source>Back to General Options from Help</source>
        <translation>К общим опциям из справки</translation>
    </message>
    <message>
        <source>Brask - a comic strip by the author of Vantor</source>
        <translation>Brask — комикс от автора Vantor</translation>
    </message>
    <message>
        <source>Picture of comic panel %1</source>
        <translation>Картинка кадра комикса %1</translation>
    </message>
    <message>
        <source>&lt;- Scroll Left</source>
        <translation>&lt;- Влево</translation>
    </message>
    <message>
        <source>Scroll Right  -&gt;</source>
        <translation>Вправо  -&gt;</translation>
    </message>
    <message>
        <source>Comic panel %1</source>
        <translation>Кадр комикса %1</translation>
    </message>
    <message>
        <source>Back to Help</source>
        <translation>К справке</translation>
    </message>
    <message>
        <source>Still feeling depressed?</source>
        <translation>Всё ещё грустишь?</translation>
    </message>
    <message>
        <source>the system did not start it</source>
        <translation>система его не запустила</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>Could not start the game: %1</source>
        <translation>Не удалось запустить игру: %1</translation>
    </message>
    <message>
        <source>Half-Life ended as soon as it started (%1).</source>
        <translation>Half-Life завершился сразу после запуска (%1).</translation>
    </message>
    <message>
        <source>Its last lines:</source>
        <translation>Последние строки вывода:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Весь вывод: %1</translation>
    </message>
    <message>
        <source>Please select your \Half-Life\ directory:</source>
        <translation>Выбери свою папку \Half-Life\:</translation>
    </message>
    <message>
        <source>Steam adds its own launch options: %1</source>
        <translation>Steam добавляет свои параметры запуска: %1</translation>
    </message>
    <message>
        <source>Brask, a round orange fellow, stands sadly in the rain under a grey cloud: &quot;Rainy day. And my game will not start...&quot; Pim, a little blue bird, flies up: &quot;Cheer up, Brask! Let us have a look.&quot;</source>
        <translation>Браск, круглый оранжевый человечек, грустно стоит под дождём, под серой тучей: «Дождливый день. И игра не запускается…» Пим, маленькая синяя птичка, подлетает: «Не грусти, Браск! Давай посмотрим».</translation>
    </message>
    <message>
        <source>Indoors, a computer&apos;s screen says &quot;Dir not found!&quot; Brask, surprised: &quot;Oh! It looks in the wrong folder!&quot; Pim: &quot;Browse for the game!&quot;</source>
        <translation>В комнате на экране компьютера надпись «Dir not found!» (папка не найдена). Браск удивлён: «Ой! Он ищет не в той папке!» Пим: «Найди папку с игрой!»</translation>
    </message>
    <message>
        <source>Outside in the sunshine, among stars, Brask beams: &quot;It runs! Thanks, Pim!&quot; Pim: &quot;Told you, Brask. Happy gaming!&quot;</source>
        <translation>На улице светит солнце, вокруг звёздочки, Браск сияет: «Работает! Спасибо, Пим!» Пим: «Говорю же, Браск. Приятной игры!»</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Turns most options off: those that only a CFG file can carry, since Vantor then writes none.</source>
        <translation>Отключает большинство опций: те, что передаёт только CFG-файл, — Vantor тогда его не пишет.</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
    <message>
        <source>The screen now says &quot;Half-Life OK&quot;. Pim: &quot;Now press &apos;%1&apos;&quot; Brask, smiling: &quot;There it is! The game folder.&quot;</source>
        <translation>Теперь на экране «Half-Life OK». Пим: «Теперь нажми „%1“». Браск улыбается: «Вот она! Папка с игрой».</translation>
    </message>
</context>
<context>
    <name>vantor::frmdirnotfound</name>
    <message>
        <source>Dir not Found  -  Help</source>
        <translation>Нет папки — Справка</translation>
    </message>
    <message>
        <source>Error: Directory not found!</source>
        <translation>Ошибка: нет папки!</translation>
    </message>
    <message>
        <source>Either Vantor could not find the directory you specified in the &quot;HL Dir&quot; field, or it could not find a Valve\ or Valve\maps\ directory inside it. This may be because you specified the wrong directory, or it may be because of a compatibility bug in Vantor that only effects a few systems (don&apos;t know why or how to fix it). IF the directory shown in the &quot;HL Dir&quot; field is DEFINITELY CORRECT, you are probably one of the few people effected by the bug :(. Otherwise, click Browse and choose your Half-Life\ directory.</source>
        <translation>Либо Vantor не нашёл папку, указанную в поле «Путь», либо не нашёл в ней папку Valve\ или Valve\maps\. Может, ты указал не ту папку, а может, виноват баг совместимости в Vantor, который вылезает лишь на немногих системах (почему и как его починить, неизвестно). ЕСЛИ папка в поле «Путь» ТОЧНО ПРАВИЛЬНАЯ, то ты, скорее всего, из тех немногих, кого задел этот баг :(. Иначе нажми «Обзор» и выбери свою папку Half-Life\.</translation>
    </message>
    <message>
        <source>There is no proper fix for this yet: on a few systems Vantor cannot write to the disk, and nobody knows why. If you know what causes it, please send an e-mail; the contact details are on the Help page.</source>
        <translation>Нормального решения пока нет: на некоторых системах Vantor не может писать на диск, и никто не знает почему. Если знаешь, в чём дело, напиши, пожалуйста, письмо; адрес есть на странице «Справка».</translation>
    </message>
    <message>
        <source>There is a partial fix, however, which will let you use a few basic features. To get these features to work, click &quot;Help&quot; (on Vantor), then &quot;Feeling Depressed?&quot;. There should be a checkbox under the Brask strip. Turn it on.</source>
        <translation>Зато есть частичное решение, с которым заработает кое-что из самого нужного. Для этого нажми «Справка» (в окне Vantor), а затем «Грустишь?». Под комиксом Brask будет флажок. Включи его.</translation>
    </message>
    <message>
        <source>Unusable options (almost all of them :(  ) will now be disabled. You can enable them again by going to Help/Depressed/ and unchecking the checkbox.</source>
        <translation>Неработающие опции (почти все :(  ) теперь станут недоступны. Вернуть их можно, зайдя в Справка/Грустишь?/ и сняв флажок.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
