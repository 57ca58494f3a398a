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
    <name>Causes</name>
    <message>
        <source>This edition of Half-Life needs the Steam client running: start Steam first, or choose the Half-Life folder of a Steam library with Browse, so that Vantor starts the game through Steam.</source>
        <translation>Этой версии Half-Life нужен запущенный клиент Steam: сначала запусти Steam или выбери кнопкой «Обзор» папку Half-Life из библиотеки Steam, чтобы Vantor запускал игру через Steam.</translation>
    </message>
    <message>
        <source>This edition of Half-Life needs the Steam client running, and no Steam client is installed here for Vantor to start the game through: install Steam (your distribution&apos;s package, or the Flatpak com.valvesoftware.Steam) or start the one you have, then run the game again.</source>
        <translation>Этой версии Half-Life нужен запущенный клиент Steam, а здесь не установлен ни один клиент Steam, через который Vantor мог бы запустить игру: установи Steam (пакет своего дистрибутива или Flatpak com.valvesoftware.Steam) или запусти тот, что у тебя есть, а потом снова запусти игру.</translation>
    </message>
    <message>
        <source>Half-Life was started without the libraries that come with it (libsteam_api.so, hw.so): start it through hl.sh, which sets them up, or through Steam.</source>
        <translation>Half-Life запущен без библиотек, которые идут с ним (libsteam_api.so, hw.so): запускай его через hl.sh, который их подключает, или через Steam.</translation>
    </message>
    <message>
        <source>Half-Life found no 32-bit OpenGL driver. %1</source>
        <translation>Half-Life не нашёл 32-битный драйвер OpenGL. %1</translation>
    </message>
    <message>
        <source>Half-Life is a 32-bit program, and the system lacks the 32-bit library %1 that it needs. %2</source>
        <translation>Half-Life — 32-битная программа, а в системе нет нужной ей 32-битной библиотеки %1. %2</translation>
    </message>
    <message>
        <source>Half-Life could not open the sound device: put SDL_AUDIODRIVER=pulseaudio (or pipewire) in front of %command% in Custom Parameters, as in &quot;SDL_AUDIODRIVER=pulseaudio %command%&quot;.</source>
        <translation>Half-Life не смог открыть звуковое устройство: допиши SDL_AUDIODRIVER=pulseaudio (или pipewire) перед %command% в поле «Свои параметры», например: «SDL_AUDIODRIVER=pulseaudio %command%».</translation>
    </message>
    <message>
        <source>The mod does not fit this build of Half-Life: a mod made before the 25th-anniversary update needs Steam&apos;s steam_legacy branch (in Steam, Half-Life&apos;s Properties, Betas), or this build of the mod is broken.</source>
        <translation>Мод не подходит к этой сборке Half-Life: моду, сделанному до обновления к 25-летию, нужна ветка Steam steam_legacy (в Steam: «Свойства» Half-Life, «Бета-версии»), или эта сборка мода сломана.</translation>
    </message>
    <message>
        <source>the loader</source>
        <translation>загрузчик</translation>
    </message>
    <message>
        <source>the C library</source>
        <translation>библиотека C</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>an OpenGL driver</source>
        <translation>драйвер OpenGL</translation>
    </message>
    <message>
        <source>the C++ library</source>
        <translation>библиотека C++</translation>
    </message>
    <message>
        <source>Install the :i386 package that holds it (apt-file search %1 names it), after sudo dpkg --add-architecture i386.</source>
        <translation>Установи пакет :i386, в котором она есть (его покажет apt-file search %1), после sudo dpkg --add-architecture i386.</translation>
    </message>
    <message>
        <source>Install the .i686 package that holds it (dnf provides %1 names it).</source>
        <translation>Установи пакет .i686, в котором она есть (его покажет dnf provides %1).</translation>
    </message>
    <message>
        <source>Install the lib32- package that holds it (pacman -F %1 names it).</source>
        <translation>Установи пакет lib32-, в котором она есть (его покажет pacman -F %1).</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) package that holds it.</source>
        <translation>Установи 32-битный (i386) пакет своего дистрибутива, в котором она есть.</translation>
    </message>
    <message>
        <source>Install with: %1</source>
        <translation>Установка: %1</translation>
    </message>
    <message>
        <source>Install with (the multilib repository on in /etc/pacman.conf): %1</source>
        <translation>Установка (с включённым репозиторием multilib в /etc/pacman.conf): %1</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) packages of %1.</source>
        <translation>Установи 32-битные (i386) пакеты своего дистрибутива: %1.</translation>
    </message>
    <message>
        <source>The mod %1 has no library for Linux (its liblist.gam names no gamedll_linux): it runs only with the Windows edition of Half-Life, hl.exe through wine.</source>
        <translation>У мода %1 нет библиотеки для Linux (в его liblist.gam не указан gamedll_linux): он работает только с Windows-версией Half-Life, то есть с hl.exe через wine.</translation>
    </message>
    <message>
        <source>Vantor does not know this cause. Start Half-Life once from Steam, which sets up what the game needs, and read the game&apos;s log in full: its cause is often a few lines above the end.</source>
        <translation>Эта причина Vantor неизвестна. Запусти Half-Life один раз из Steam — он подготовит всё, что нужно игре, — и прочитай лог игры целиком: причина часто видна за несколько строк до конца.</translation>
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
    <name>SetupCheck</name>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Выбери папку Half-Life кнопкой «Обзор» рядом с «Путь».</translation>
    </message>
    <message>
        <source>No Half-Life folder has been chosen in Vantor yet: this is where Half-Life usually is.</source>
        <translation>В Vantor ещё не выбрана папка Half-Life: обычно Half-Life лежит здесь.</translation>
    </message>
    <message>
        <source>The Half-Life folder %1 is not there.</source>
        <translation>Папки Half-Life %1 нет.</translation>
    </message>
    <message>
        <source>%1 holds none of hl.sh, hl_linux and hl.exe.</source>
        <translation>В %1 нет ни hl.sh, ни hl_linux, ни hl.exe.</translation>
    </message>
    <message>
        <source>Choose the folder that holds Half-Life and its valve folder with Browse, or install Half-Life in Steam.</source>
        <translation>Выбери кнопкой «Обзор» папку, где лежат Half-Life и его папка valve, или установи Half-Life в Steam.</translation>
    </message>
    <message>
        <source>The Linux edition of Half-Life (%1) in %2.</source>
        <translation>Версия Half-Life для Linux (%1) в %2.</translation>
    </message>
    <message>
        <source>Only the Windows edition of Half-Life (hl.exe) is in %1, and wine is not installed to run it.</source>
        <translation>В %1 есть только версия Half-Life для Windows (hl.exe), а wine, чтобы её запустить, не установлен.</translation>
    </message>
    <message>
        <source>Install wine, or the Linux edition of Half-Life through Steam.</source>
        <translation>Установи wine или версию Half-Life для Linux через Steam.</translation>
    </message>
    <message>
        <source>The Windows edition of Half-Life (hl.exe) in %1.</source>
        <translation>Версия Half-Life для Windows (hl.exe) в %1.</translation>
    </message>
    <message>
        <source>Not installed by Steam: Vantor starts the game itself.</source>
        <translation>Установлено не через Steam: Vantor запускает игру сам.</translation>
    </message>
    <message>
        <source>the native Steam client</source>
        <translation>нативный клиент Steam</translation>
    </message>
    <message>
        <source>the Flatpak&apos;s Steam client</source>
        <translation>клиент Steam из Flatpak</translation>
    </message>
    <message>
        <source>the Snap&apos;s Steam client</source>
        <translation>клиент Steam из Snap</translation>
    </message>
    <message>
        <source>Installed by Steam, but no Steam client is installed here to start it through: Vantor starts the game itself.</source>
        <translation>Установлено через Steam, но здесь не установлен клиент Steam, чтобы запустить игру через него: Vantor запускает её сам.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library that no Steam client here lists.</source>
        <translation>Установлено через Steam, в библиотеке, которой нет в списке ни у одного клиента Steam здесь.</translation>
    </message>
    <message>
        <source>Add the library in Steam&apos;s settings (Storage), so that Steam finds the game that Vantor asks it to start.</source>
        <translation>Добавь библиотеку в настройках Steam («Хранилище»), чтобы Steam нашёл игру, которую Vantor просит запустить.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library of %1, which starts it.</source>
        <translation>Установлено через Steam, в библиотеке, которую ведёт %1; он и запускает игру.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, сборка %2</translation>
    </message>
    <message>
        <source>The branch that Steam installed: %1.</source>
        <translation>Ветка, которую установил Steam: %1.</translation>
    </message>
    <message>
        <source>The branch chosen in Steam, %1, is not installed yet.</source>
        <translation>Выбранная в Steam ветка, %1, ещё не установлена.</translation>
    </message>
    <message>
        <source>Start Steam and let it finish updating Half-Life.</source>
        <translation>Запусти Steam и дай ему закончить обновление Half-Life.</translation>
    </message>
    <message>
        <source>the default one (the 25th-anniversary build)</source>
        <translation>основная (сборка к 25-летию)</translation>
    </message>
    <message>
        <source>steam_legacy (the build from before the 25th-anniversary update)</source>
        <translation>steam_legacy (сборка до обновления к 25-летию)</translation>
    </message>
    <message>
        <source>The 32-bit libraries that the game needs are there: the loader, the C library, OpenGL and its driver.</source>
        <translation>32-битные библиотеки, нужные игре, на месте: загрузчик, библиотека C, OpenGL и его драйвер.</translation>
    </message>
    <message>
        <source>The 32-bit loader (/lib/ld-linux.so.2) is missing.</source>
        <translation>Нет 32-битного загрузчика (/lib/ld-linux.so.2).</translation>
    </message>
    <message>
        <source>The 32-bit C library (libc.so.6) is missing.</source>
        <translation>Нет 32-битной библиотеки C (libc.so.6).</translation>
    </message>
    <message>
        <source>The 32-bit OpenGL library (libGL.so.1) is missing.</source>
        <translation>Нет 32-битной библиотеки OpenGL (libGL.so.1).</translation>
    </message>
    <message>
        <source>No 32-bit OpenGL driver is installed (Mesa&apos;s libGLX_mesa.so.0 with its dri folder, or NVIDIA&apos;s libGLX_nvidia.so.0).</source>
        <translation>Не установлен 32-битный драйвер OpenGL (libGLX_mesa.so.0 от Mesa с папкой dri или libGLX_nvidia.so.0 от NVIDIA).</translation>
    </message>
    <message>
        <source>Steam starts the game with its own runtime, which brings the game&apos;s other libraries but not these.</source>
        <translation>Steam запускает игру в своей среде выполнения: в ней есть остальные библиотеки игры, но не эти.</translation>
    </message>
    <message>
        <source>The Steam client is running, as this edition of Half-Life needs.</source>
        <translation>Клиент Steam запущен, как и нужно этой версии Half-Life.</translation>
    </message>
    <message>
        <source>Only the Flatpak&apos;s Steam client is running, which a game that Vantor starts itself may not reach.</source>
        <translation>Запущен только клиент Steam из Flatpak, до которого игра, запущенная самим Vantor, может не достучаться.</translation>
    </message>
    <message>
        <source>Start the native Steam client, or choose the Half-Life folder of the Flatpak&apos;s Steam library so that Vantor starts the game through it.</source>
        <translation>Запусти нативный клиент Steam или выбери папку Half-Life из библиотеки Steam во Flatpak, чтобы Vantor запускал игру через него.</translation>
    </message>
    <message>
        <source>The Steam client is not running, and this edition of Half-Life needs it.</source>
        <translation>Клиент Steam не запущен, а этой версии Half-Life он нужен.</translation>
    </message>
    <message>
        <source>The mod folder %1 is not in the Half-Life folder.</source>
        <translation>Папки мода %1 нет в папке Half-Life.</translation>
    </message>
    <message>
        <source>Install the mod into the Half-Life folder, or turn the Mod field off.</source>
        <translation>Установи мод в папку Half-Life или выключи поле «Мод».</translation>
    </message>
    <message>
        <source>The folder %1 holds no liblist.gam, so the game does not take it for a mod.</source>
        <translation>В папке %1 нет liblist.gam, поэтому игра не считает её модом.</translation>
    </message>
    <message>
        <source>Install the mod whole, or choose another with the Mod field.</source>
        <translation>Установи мод полностью или выбери другой в поле «Мод».</translation>
    </message>
    <message>
        <source>The mod %1 and its liblist.gam are there.</source>
        <translation>Мод %1 и его liblist.gam на месте.</translation>
    </message>
    <message>
        <source>The mod %1 has no Linux library.</source>
        <translation>У мода %1 нет библиотеки для Linux.</translation>
    </message>
    <message>
        <source>Mods made before the 25th-anniversary update need Steam&apos;s steam_legacy branch: should this one fail, choose that branch in Steam (Half-Life&apos;s Properties, Betas).</source>
        <translation>Модам, сделанным до обновления к 25-летию, нужна ветка Steam steam_legacy: если этот мод не запустится, выбери её в Steam («Свойства» Half-Life, «Бета-версии»).</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 32-bit Linux library.</source>
        <translation>Библиотека %2 мода %1 — 32-битная библиотека для Linux.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1, which its liblist.gam names, is not there.</source>
        <translation>Библиотеки %2 мода %1, указанной в его liblist.gam, нет.</translation>
    </message>
    <message>
        <source>Install the mod again, whole.</source>
        <translation>Переустанови мод полностью.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 64-bit library, which the 32-bit game cannot load.</source>
        <translation>Библиотека %2 мода %1 — 64-битная, а 32-битная игра не может её загрузить.</translation>
    </message>
    <message>
        <source>Get the mod&apos;s 32-bit (i386) build for Linux.</source>
        <translation>Найди 32-битную (i386) сборку мода для Linux.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a Windows library.</source>
        <translation>Библиотека %2 мода %1 — библиотека для Windows.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is no library that the game can load.</source>
        <translation>Библиотека %2 мода %1 — не та, которую игра может загрузить.</translation>
    </message>
    <message>
        <source>The game&apos;s files have inode numbers that the 32-bit game can take (%1 looked at).</source>
        <translation>У файлов игры номера инодов, с которыми 32-битная игра справляется (проверено: %1).</translation>
    </message>
    <message>
        <source>%1 of %2 files looked at in the game folder have inode numbers above 32 bits, and the 32-bit game fails to find such files.</source>
        <translation>У %1 из %2 проверенных файлов в папке игры номера инодов больше 32 бит, а 32-битная игра такие файлы не находит.</translation>
    </message>
    <message>
        <source>Move the game to a file system that hands out 32-bit inode numbers, such as ext4 or XFS mounted with inode32, copying its files anew.</source>
        <translation>Перенеси игру на файловую систему, которая выдаёт 32-битные номера инодов, например ext4 или XFS, смонтированную с inode32, скопировав её файлы заново.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client may use the library %1.</source>
        <translation>Клиенту Steam из Flatpak доступна библиотека %1.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client has not been given the library %1.</source>
        <translation>Клиенту Steam из Flatpak не дан доступ к библиотеке %1.</translation>
    </message>
    <message>
        <source>Give it the library: %1</source>
        <translation>Дай ему доступ: %1</translation>
    </message>
    <message>
        <source>Vantor can write its CFG file into %1.</source>
        <translation>Vantor может записать свой CFG-файл в %1.</translation>
    </message>
    <message>
        <source>Vantor cannot write its CFG file into %1: the folder is missing or not writable.</source>
        <translation>Vantor не может записать свой CFG-файл в %1: папки нет или в неё нельзя писать.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder, the one that holds valve, with Browse; or make valve writable for you.</source>
        <translation>Выбери кнопкой «Обзор» папку Half-Life — ту, в которой лежит valve, — или дай себе право записи в valve.</translation>
    </message>
    <message>
        <source>[ok]</source>
        <translation>[ok]</translation>
    </message>
    <message>
        <source>[warning]</source>
        <translation>[внимание]</translation>
    </message>
    <message>
        <source>[blocks]</source>
        <translation>[ошибка]</translation>
    </message>
    <message numerus="yes">
        <source>Half-Life will not start: %n thing(s) stop it.</source>
        <translation>
            <numerusform>Half-Life не запустится: мешает %n проблема.</numerusform>
            <numerusform>Half-Life не запустится: мешают %n проблемы.</numerusform>
            <numerusform>Half-Life не запустится: мешают %n проблем.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life, but mind the warnings.</source>
        <translation>Ничто из того, что проверяет Vantor, не мешает Half-Life, но обрати внимание на предупреждения.</translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life.</source>
        <translation>Ничто из того, что проверяет Vantor, не мешает Half-Life.</translation>
    </message>
    <message>
        <source>Vantor&apos;s report on Half-Life</source>
        <translation>Отчёт Vantor о Half-Life</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Запуск:</translation>
    </message>
    <message>
        <source>CFG lines:</source>
        <translation>Строки CFG:</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Ветка:</translation>
    </message>
    <message>
        <source>not installed by Steam</source>
        <translation>установлено не через Steam</translation>
    </message>
    <message>
        <source>Setup check:</source>
        <translation>Проверка установки:</translation>
    </message>
    <message>
        <source>The game&apos;s last lines (%1):</source>
        <translation>Последние строки игры (%1):</translation>
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
    <message>
        <source>Sets Half-Life&apos;s options and starts the game.

--print, --run and --check show no window and ask nothing. Exit status:
  0  done; for --run, the game was started
  1  the options are wrong
  2  the slot asked for is not saved
  3  no Game directory has been chosen in the window
  4  the CFG file could not be written
  5  the game could not be started
  6  the game ended at once
  7  --check found something that stops the game</source>
        <translation>Задаёт опции Half-Life и запускает игру.

--print, --run и --check не показывают окон и ничего не спрашивают. Код выхода:
  0  готово; для --run: игра запущена
  1  опции заданы неверно
  2  запрошенный слот не сохранён
  3  в окне не выбрана папка игры
  4  не удалось записать CFG-файл
  5  не удалось запустить игру
  6  игра сразу завершилась
  7  --check нашёл то, что мешает игре</translation>
    </message>
    <message>
        <source>Checks Half-Life&apos;s setup, line by line: what will stop the game, and what to do about it. Reads only.</source>
        <translation>Проверяет установку Half-Life строка за строкой: что помешает игре и что с этим делать. Только читает.</translation>
    </message>
    <message>
        <source>With --run: says why the game could not be started in a desktop notification, or a message window, as the desktop menu&apos;s entries do; for a slot that is not saved it offers to open Vantor. With --check: says what the check found there.</source>
        <translation>Вместе с --run: сообщает, почему не удалось запустить игру, уведомлением на рабочем столе или окном с сообщением, как это делают пункты меню рабочего стола; если слот не сохранён, предлагает открыть Vantor. Вместе с --check: сообщает там, что нашла проверка установки.</translation>
    </message>
    <message>
        <source>--check cannot go with --print or --run</source>
        <translation>--check нельзя сочетать с --print или --run</translation>
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
    <message>
        <source>Check Setup</source>
        <translation>Проверить установку</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Копировать отчёт</translation>
    </message>
    <message>
        <source>Mend Custom Parameters, then run the game again.</source>
        <translation>Исправь «Свои параметры» и снова запусти игру.</translation>
    </message>
    <message>
        <source>The Half-Life folder lies in a Steam library, so Vantor asked the Steam client to start the game.</source>
        <translation>Папка Half-Life лежит в библиотеке Steam, поэтому Vantor попросил клиент Steam запустить игру.</translation>
    </message>
    <message>
        <source>See that Steam is installed and starts, or choose another Half-Life folder with Browse beside HL Dir.</source>
        <translation>Проверь, что Steam установлен и запускается, или выбери другую папку Half-Life кнопкой «Обзор» рядом с «Путь».</translation>
    </message>
    <message>
        <source>In the directory-not-found mode, Vantor starts the hl.exe in its own folder, %1, else the one on the PATH.</source>
        <translation>В режиме «нет папки» Vantor запускает hl.exe из своей папки, %1, а если его там нет — из PATH.</translation>
    </message>
    <message>
        <source>Turn that mode off on the Comic page and choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Выключи этот режим на странице комикса и выбери папку Half-Life кнопкой «Обзор» рядом с «Путь».</translation>
    </message>
    <message>
        <source>Vantor looks in the Half-Life folder, %1, for hl.sh, then hl_linux, then hl.exe.</source>
        <translation>Vantor ищет в папке Half-Life, %1, сначала hl.sh, потом hl_linux, потом hl.exe.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir. Check Setup says what else may stop the game.</source>
        <translation>Выбери папку Half-Life кнопкой «Обзор» рядом с «Путь». «Проверить установку» покажет, что ещё может помешать игре.</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life.</source>
        <translation>Vantor не смог запустить Half-Life.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Открыть лог</translation>
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
