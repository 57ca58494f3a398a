<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Caption</name>
    <message>
        <source>Run Half-Life Now!</source>
        <translation>Half-Life starten!</translation>
    </message>
    <message>
        <source>Could not start hl.exe!</source>
        <translation>hl.exe startet nicht!</translation>
    </message>
    <message>
        <source>Make CFG File:</source>
        <translation>CFG erstellen:</translation>
    </message>
    <message>
        <source>CFG file created</source>
        <translation>CFG-Datei erstellt</translation>
    </message>
    <message>
        <source>Enter a filename!</source>
        <translation>Name eingeben!</translation>
    </message>
    <message>
        <source>Delete all saved settings</source>
        <translation>Alle Slots löschen</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Speichern:</translation>
    </message>
    <message>
        <source>Current Command Line:</source>
        <translation>Aktuelle Befehlszeile:</translation>
    </message>
    <message>
        <source> ERROR: Dir not found!</source>
        <translation> FEHLER: Ordner fehlt!</translation>
    </message>
    <message>
        <source>This is the command line that will be executed, like from the DOS prompt</source>
        <translation>Das ist die Befehlszeile, die ausgeführt wird – so, als würdest du sie an der DOS-Eingabeaufforderung eintippen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Not saved!</source>
        <translation>Ungespeichert!</translation>
    </message>
</context>
<context>
    <name>Causes</name>
    <message>
        <source>This edition of Half-Life needs the Steam client running: start Steam first, or choose the Half-Life folder of a Steam library with Browse, so that Vantor starts the game through Steam.</source>
        <translation>Diese Version von Half-Life braucht einen laufenden Steam-Client: Starte zuerst Steam oder wähle mit „Suchen“ den Half-Life-Ordner einer Steam-Bibliothek, damit Vantor das Spiel über Steam startet.</translation>
    </message>
    <message>
        <source>This edition of Half-Life needs the Steam client running, and no Steam client is installed here for Vantor to start the game through: install Steam (your distribution&apos;s package, or the Flatpak com.valvesoftware.Steam) or start the one you have, then run the game again.</source>
        <translation>Diese Version von Half-Life braucht einen laufenden Steam-Client, und hier ist kein Steam-Client installiert, über den Vantor das Spiel starten könnte: Installiere Steam (das Paket deiner Distribution oder das Flatpak com.valvesoftware.Steam) oder starte den Steam-Client, den du hast, und starte dann das Spiel noch einmal.</translation>
    </message>
    <message>
        <source>Half-Life was started without the libraries that come with it (libsteam_api.so, hw.so): start it through hl.sh, which sets them up, or through Steam.</source>
        <translation>Half-Life wurde ohne die mitgelieferten Bibliotheken gestartet (libsteam_api.so, hw.so): Starte es über hl.sh, das sie einrichtet, oder über Steam.</translation>
    </message>
    <message>
        <source>Half-Life found no 32-bit OpenGL driver. %1</source>
        <translation>Half-Life hat keinen 32-Bit-OpenGL-Treiber gefunden. %1</translation>
    </message>
    <message>
        <source>Half-Life is a 32-bit program, and the system lacks the 32-bit library %1 that it needs. %2</source>
        <translation>Half-Life ist ein 32-Bit-Programm, und dem System fehlt die 32-Bit-Bibliothek %1, die es braucht. %2</translation>
    </message>
    <message>
        <source>Half-Life could not open the sound device: put SDL_AUDIODRIVER=pulseaudio (or pipewire) in front of %command% in Custom Parameters, as in &quot;SDL_AUDIODRIVER=pulseaudio %command%&quot;.</source>
        <translation>Half-Life konnte das Soundgerät nicht öffnen: Schreib SDL_AUDIODRIVER=pulseaudio (oder pipewire) unter „Eigene Parameter“ vor %command%, etwa „SDL_AUDIODRIVER=pulseaudio %command%“.</translation>
    </message>
    <message>
        <source>The mod does not fit this build of Half-Life: a mod made before the 25th-anniversary update needs Steam&apos;s steam_legacy branch (in Steam, Half-Life&apos;s Properties, Betas), or this build of the mod is broken.</source>
        <translation>Die Mod passt nicht zu diesem Build von Half-Life: Eine Mod von vor dem Update zum 25. Jubiläum braucht den Steam-Zweig steam_legacy (in Steam: Eigenschaften von Half-Life, Betas), oder dieser Build der Mod ist kaputt.</translation>
    </message>
    <message>
        <source>the loader</source>
        <translation>den Loader</translation>
    </message>
    <message>
        <source>the C library</source>
        <translation>die C-Bibliothek</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>an OpenGL driver</source>
        <translation>einen OpenGL-Treiber</translation>
    </message>
    <message>
        <source>the C++ library</source>
        <translation>die C++-Bibliothek</translation>
    </message>
    <message>
        <source>Install the :i386 package that holds it (apt-file search %1 names it), after sudo dpkg --add-architecture i386.</source>
        <translation>Installiere das :i386-Paket, das sie enthält (apt-file search %1 nennt es), nach sudo dpkg --add-architecture i386.</translation>
    </message>
    <message>
        <source>Install the .i686 package that holds it (dnf provides %1 names it).</source>
        <translation>Installiere das .i686-Paket, das sie enthält (dnf provides %1 nennt es).</translation>
    </message>
    <message>
        <source>Install the lib32- package that holds it (pacman -F %1 names it).</source>
        <translation>Installiere das lib32-Paket, das sie enthält (pacman -F %1 nennt es).</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) package that holds it.</source>
        <translation>Installiere das 32-Bit-Paket (i386) deiner Distribution, das sie enthält.</translation>
    </message>
    <message>
        <source>Install with: %1</source>
        <translation>Installieren mit: %1</translation>
    </message>
    <message>
        <source>Install with (the multilib repository on in /etc/pacman.conf): %1</source>
        <translation>Installieren mit (Repository multilib in /etc/pacman.conf aktiviert): %1</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) packages of %1.</source>
        <translation>Installiere die 32-Bit-Pakete (i386) deiner Distribution für %1.</translation>
    </message>
    <message>
        <source>The mod %1 has no library for Linux (its liblist.gam names no gamedll_linux): it runs only with the Windows edition of Half-Life, hl.exe through wine.</source>
        <translation>Die Mod %1 hat keine Bibliothek für Linux (ihre liblist.gam nennt kein gamedll_linux): Sie läuft nur mit der Windows-Version von Half-Life, also hl.exe über wine.</translation>
    </message>
    <message>
        <source>Vantor does not know this cause. Start Half-Life once from Steam, which sets up what the game needs, and read the game&apos;s log in full: its cause is often a few lines above the end.</source>
        <translation>Diese Ursache kennt Vantor nicht. Starte Half-Life einmal über Steam, das alles einrichtet, was das Spiel braucht, und lies das ganze Log des Spiels: Die Ursache steht oft ein paar Zeilen vor dem Ende.</translation>
    </message>
</context>
<context>
    <name>DeleteAll</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>Are you really, really sure?</source>
        <translation>Wirklich, wirklich sicher?</translation>
    </message>
    <message>
        <source>OK, they&apos;re deleted</source>
        <translation>OK, alles gelöscht</translation>
    </message>
    <message>
        <source>I just did that</source>
        <translation>Hab ich doch</translation>
    </message>
    <message>
        <source>No, really, I deleted them!</source>
        <translation>Nein, echt, alles gelöscht!</translation>
    </message>
    <message>
        <source>Oh alright, I&apos;ll re-delete them</source>
        <translation>Na gut, ich lösch&apos;s nochmal</translation>
    </message>
    <message>
        <source>What, again?!?</source>
        <translation>Nochmal?!?</translation>
    </message>
    <message>
        <source>I&apos;m tired, go away</source>
        <translation>Bin müde, hau ab</translation>
    </message>
    <message>
        <source>OK, but this is the last time</source>
        <translation>OK, aber zum letzten Mal</translation>
    </message>
    <message>
        <source>STOP CLICKING ME!!!</source>
        <translation>LASS DAS KLICKEN!!!</translation>
    </message>
    <message>
        <source>You&apos;re starting to annoy me...</source>
        <translation>Du fängst an zu nerven...</translation>
    </message>
    <message>
        <source>That&apos;s it! You&apos;re dead, man!</source>
        <translation>Schluss! Du bist tot, Mann!</translation>
    </message>
</context>
<context>
    <name>GameWatch</name>
    <message>
        <source>a crash</source>
        <translation>Absturz</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>Its output could not be written to %1: %2</source>
        <translation>Seine Ausgabe ließ sich nicht nach %1 schreiben: %2</translation>
    </message>
</context>
<context>
    <name>LaunchPrefix</name>
    <message>
        <source>%command% stands there more than once</source>
        <translation>%command% steht mehr als einmal da</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>ein Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>Custom Parameters cannot be read: %1</source>
        <translation>„Eigene Parameter“ sind nicht lesbar: %1</translation>
    </message>
    <message>
        <source>the wrapper %1 is not on the PATH</source>
        <translation>der Wrapper %1 ist nicht im PATH</translation>
    </message>
    <message>
        <source>a command substitution ($(…) or `…`) is never run</source>
        <translation>eine Befehlsersetzung ($(…) oder `…`) wird nie ausgeführt</translation>
    </message>
    <message>
        <source>only $NAME and ${NAME} are expanded, not %1</source>
        <translation>ersetzt werden nur $NAME und ${NAME}, nicht %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Open Vantor</source>
        <translation>Vantor öffnen</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>The BSP file you want loaded when the game starts (if you do want one loaded)</source>
        <translation>Die BSP-Datei, die beim Spielstart geladen werden soll (falls du überhaupt eine laden willst)</translation>
    </message>
    <message>
        <source>For a 28.8 modem, your rate should be somewhere between 2000 and 3000, you need to try lots of different settings in the console to work out what&apos;s best for you</source>
        <translation>Mit einem 28,8er-Modem sollte deine Rate irgendwo zwischen 2000 und 3000 liegen. Probier in der Konsole viele verschiedene Werte aus, um rauszufinden, was für dich am besten ist</translation>
    </message>
    <message>
        <source>Maximum number of players that can be in a multiplayer game at once</source>
        <translation>Wie viele Spieler höchstens gleichzeitig in einem Multiplayer-Spiel sein können</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For LAN games, it shouldn&apos;t matter that much</source>
        <translation>Begrenzt deine Framerate – ist die Framerate zu hoch, gibt es Lag. Bei LAN-Spielen sollte das nicht so viel ausmachen</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For a 28.8 modem, you&apos;d want to use around 22fps-28fps</source>
        <translation>Begrenzt deine Framerate – ist die Framerate zu hoch, gibt es Lag. Mit einem 28,8er-Modem nimmst du am besten so 22–28 fps</translation>
    </message>
    <message>
        <source>The amount Half-Life should predict entity movement, this should be around the same as your ping time, try different settings in the console</source>
        <translation>Wie weit Half-Life die Bewegung von Entities vorausberechnen soll. Das sollte ungefähr deinem Ping entsprechen – probier in der Konsole verschiedene Werte aus</translation>
    </message>
    <message>
        <source>The amount of decals (blood splats, bulletholes, etc.) that can exist at once. Having too many decals in the screen at once will decrease framerate by quite a lot</source>
        <translation>Wie viele Decals (Blutspritzer, Einschusslöcher usw.) es gleichzeitig geben kann. Zu viele Decals auf einmal auf dem Bildschirm drücken die Framerate ganz schön</translation>
    </message>
    <message>
        <source>Numeric Ping</source>
        <translation>Ping als Zahl</translation>
    </message>
    <message>
        <source>Uses numeric ping times instead of the &quot;traffic light&quot; thingies.</source>
        <translation>Zeigt den Ping als Zahl statt mit diesen „Ampel“-Dingern an.</translation>
    </message>
    <message>
        <source>Start in Console</source>
        <translation>In Konsole starten</translation>
    </message>
    <message>
        <source>When Half-Life loads, it&apos;ll go directly to the console instead of the main menu</source>
        <translation>Beim Laden geht Half-Life direkt in die Konsole statt ins Hauptmenü</translation>
    </message>
    <message>
        <source>Allow Cheats</source>
        <translation>Cheats erlauben</translation>
    </message>
    <message>
        <source>Allows you to use cheats if you want to. Warning!: If you&apos;re running a multiplayer server, it&apos;ll allow people to use cheats in the game</source>
        <translation>Damit kannst du cheaten, wenn du willst. Achtung!: Wenn du einen Multiplayer-Server betreibst, dürfen dann auch die anderen Leute im Spiel cheaten</translation>
    </message>
    <message>
        <source>MMX Processor</source>
        <translation>MMX-Prozessor</translation>
    </message>
    <message>
        <source>Enables MMX support. Do not use this unless you have an MMX enhanced processor</source>
        <translation>Schaltet die MMX-Unterstützung ein. Nur benutzen, wenn du einen Prozessor mit MMX hast</translation>
    </message>
    <message>
        <source>MouseLook (freelook)</source>
        <translation>Mouselook (Freelook)</translation>
    </message>
    <message>
        <source>Mouse Filter</source>
        <translation>Mausfilter</translation>
    </message>
    <message>
        <source>Enabling this will make mouse movement a bit smoother, but it also makes it a bit harder to aim</source>
        <translation>Macht die Mausbewegung etwas weicher, dafür wird aber auch das Zielen etwas schwerer</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Enables shadows, only works in hardware mode. Will decrease framerate a bit.</source>
        <translation>Schaltet Schatten ein, geht nur im Hardware-Modus. Kostet etwas Framerate.</translation>
    </message>
    <message>
        <source>Custom Map:</source>
        <translation>Eigene Map:</translation>
    </message>
    <message>
        <source>Custom CFG:</source>
        <translation>Eigene CFG:</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads</source>
        <translation>Damit kannst du beim Laden des Spiels eine CFG-Datei mit beliebigen Befehlen ausführen</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads (should end in &quot;.cfg&quot;)</source>
        <translation>Damit kannst du beim Laden des Spiels eine CFG-Datei mit beliebigen Befehlen ausführen (sollte auf „.cfg“ enden)</translation>
    </message>
    <message>
        <source>Skill Level:</source>
        <translation>Skillstufe:</translation>
    </message>
    <message>
        <source>The difficulty level in single player</source>
        <translation>Der Schwierigkeitsgrad im Singleplayer</translation>
    </message>
    <message>
        <source>Console Speed:</source>
        <translation>Konsolentempo:</translation>
    </message>
    <message>
        <source>The speed that the console moves at when you bring it down/put it away. 600 is the default speed</source>
        <translation>Wie schnell die Konsole runter- und wieder hochfährt, wenn du sie aufrufst oder wegmachst. 600 ist der Standardwert</translation>
    </message>
    <message>
        <source>Third Person View</source>
        <translation>Third-Person-Sicht</translation>
    </message>
    <message>
        <source>Shows everything from a third person (chasecam) view. Check Help for camera control info.</source>
        <translation>Zeigt alles aus der Third-Person-Sicht (Chasecam). Wie man die Kamera steuert, steht in der Hilfe.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Entwicklermodus</translation>
    </message>
    <message>
        <source>Advanced, displays a lot more information about what&apos;s going on in the console. Good for testing maps</source>
        <translation>Für Fortgeschrittene: Zeigt in der Konsole viel mehr Infos darüber an, was gerade passiert. Gut zum Testen von Maps</translation>
    </message>
    <message>
        <source>Direct3D Flip</source>
        <translation>Direct3D-Flip</translation>
    </message>
    <message>
        <source>If you experience input lag (takes a while for things to react to your controls in single and multiplayer), enabling this might fix it</source>
        <translation>Wenn du Input-Lag hast (das Spiel reagiert im Single- und Multiplayer erst nach einer Weile auf deine Eingaben), hilft es vielleicht, das hier einzuschalten</translation>
    </message>
    <message>
        <source>Enable Joystick</source>
        <translation>Joystick verwenden</translation>
    </message>
    <message>
        <source>Disabling the joystick increases performance slightly. Enable this if you want to use a joystick</source>
        <translation>Ohne Joystick läuft das Spiel ein kleines bisschen schneller. Schalte das ein, wenn du einen Joystick benutzen willst</translation>
    </message>
    <message>
        <source>HL Dir:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Your Half-Life directory location</source>
        <translation>Wo dein Half-Life-Ordner liegt</translation>
    </message>
    <message>
        <source>Save on Run (Slot 3)</source>
        <translation>Bei Start speichern (3)</translation>
    </message>
    <message>
        <source>Saves the current Vantor options in slot 3 before running Half-Life</source>
        <translation>Speichert die aktuellen Vantor-Optionen in Slot 3, bevor Half-Life startet</translation>
    </message>
    <message>
        <source>Close Vantor on Run</source>
        <translation>Nach Start beenden</translation>
    </message>
    <message>
        <source>Closes Vantor after running Half-Life</source>
        <translation>Beendet Vantor, nachdem Half-Life gestartet wurde</translation>
    </message>
    <message>
        <source> Custom Parameters:</source>
        <translation> Eigene Parameter:</translation>
    </message>
    <message>
        <source>Advanced. If you want to add anything to the command line, type it here</source>
        <translation>Für Fortgeschrittene. Wenn du noch irgendwas an die Befehlszeile anhängen willst, tipp es hier ein</translation>
    </message>
    <message>
        <source>DM Server</source>
        <translation>DM-Server</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re running a DM server</source>
        <translation>Schalte das ein, wenn du einen DM-Server betreibst</translation>
    </message>
    <message>
        <source>LAN Game</source>
        <translation>LAN-Spiel</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re going to be playing multiplayer over a Local Area Network</source>
        <translation>Schalte das ein, wenn du im Multiplayer über ein lokales Netzwerk (LAN) spielen willst</translation>
    </message>
    <message>
        <source>Allow Download</source>
        <translation>Downloads erlauben</translation>
    </message>
    <message>
        <source>Allows HL to download maps, models, and decals from a multiplayer server. Will probably increase lag.</source>
        <translation>Erlaubt HL, Maps, Models und Decals von einem Multiplayer-Server herunterzuladen. Gibt wahrscheinlich mehr Lag.</translation>
    </message>
    <message>
        <source>Allow Upload</source>
        <translation>Uploads erlauben</translation>
    </message>
    <message>
        <source>Allows Half-Life to upload your custom decals, models, etc. to the server, will increase lag while uploading</source>
        <translation>Erlaubt Half-Life, deine eigenen Decals, Models usw. auf den Server hochzuladen. Gibt beim Hochladen mehr Lag</translation>
    </message>
    <message>
        <source>High Quality Models</source>
        <translation>Hochwertige Models</translation>
    </message>
    <message>
        <source>Turning this on makes models look better, but it&apos;ll decrease your framerate a bit</source>
        <translation>Damit sehen die Models besser aus, aber deine Framerate sinkt etwas</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Max Players</source>
        <translation>Spielerlimit</translation>
    </message>
    <message>
        <source>FPS Limit for LAN games</source>
        <translation>FPS-Limit im LAN</translation>
    </message>
    <message>
        <source>FPS Limit for Net Games</source>
        <translation>FPS-Limit im Internet</translation>
    </message>
    <message>
        <source>Pushlatency</source>
        <translation>Pushlatency</translation>
    </message>
    <message>
        <source>Dynamic Lighting</source>
        <translation>Dynamisches Licht</translation>
    </message>
    <message>
        <source>Turns on/off dynamic lighting (light from rockets, explosions, your flashlight, etc.) Will increase your framerate a bit to disable this</source>
        <translation>Schaltet dynamisches Licht an/aus (Licht von Raketen, Explosionen, deiner Taschenlampe usw.). Ausgeschaltet steigt deine Framerate etwas</translation>
    </message>
    <message>
        <source>gl_texsort</source>
        <translation>gl_texsort</translation>
    </message>
    <message>
        <source>On will make things a lot brighter, but off will increase framerate by quite a bit. Off may also cause some textures to disappear</source>
        <translation>An macht alles viel heller, aus bringt aber ordentlich Framerate. Aus kann auch manche Texturen verschwinden lassen</translation>
    </message>
    <message>
        <source>Weapon Model</source>
        <translation>Waffenmodel</translation>
    </message>
    <message>
        <source>If off, the weapon model will be invisible. This will increase your framerate</source>
        <translation>Wenn aus, ist das Waffenmodel unsichtbar. Das erhöht deine Framerate</translation>
    </message>
    <message>
        <source>Junctions</source>
        <translation>Fugen</translation>
    </message>
    <message>
        <source>On fills in cracks between polygons, making things look smoother etc. Off will increase perfomance a bit</source>
        <translation>An füllt Risse zwischen Polygonen, dadurch sieht alles glatter aus usw. Aus bringt etwas mehr Leistung</translation>
    </message>
    <message>
        <source>Decal Limit</source>
        <translation>Decal-Limit</translation>
    </message>
    <message>
        <source>Z-trick</source>
        <translation>Z-Trick</translation>
    </message>
    <message>
        <source>On should increase framerate a bit, but it may cause textures to flicker etc. on some systems</source>
        <translation>An sollte etwas Framerate bringen, kann aber auf manchen Systemen Texturen flackern lassen usw.</translation>
    </message>
    <message>
        <source>Mod Dir:     (e.g. &quot;tfc&quot;)</source>
        <translation>Mod-Ordner:  (z. B. „tfc“)</translation>
    </message>
    <message>
        <source>Click this if you want to run Half-Life using a mod (such as Team Fortress Classic). Works only with v1.0.0.9 and above.</source>
        <translation>Klick hier, wenn du Half-Life mit einer Mod (z. B. Team Fortress Classic) starten willst. Geht erst ab v1.0.0.9.</translation>
    </message>
    <message>
        <source>The directory of the mod you want to run (e.g.  tfc ). Works only with v1.0.0.9 and above.</source>
        <translation>Der Ordner der Mod, die du starten willst (z. B.  tfc ). Geht erst ab v1.0.0.9.</translation>
    </message>
    <message>
        <source>16 bit Sound</source>
        <translation>16-Bit-Sound</translation>
    </message>
    <message>
        <source>Off is 8-bit sound. 16 bit is better, but 8bit will speed things up slightly</source>
        <translation>Aus heißt 8-Bit-Sound. 16 Bit klingt besser, aber mit 8 Bit läuft alles ein bisschen schneller</translation>
    </message>
    <message>
        <source>High Sound Quality</source>
        <translation>Hohe Klangqualität</translation>
    </message>
    <message>
        <source>Better quality sound, will slow things down a bit though</source>
        <translation>Besserer Klang, macht aber alles etwas langsamer</translation>
    </message>
    <message>
        <source>Reverb Effects</source>
        <translation>Hall-Effekte</translation>
    </message>
    <message>
        <source>Reverb effects, off will speed things up slightly</source>
        <translation>Hall-Effekte – aus macht alles ein bisschen schneller</translation>
    </message>
    <message>
        <source>Max Performance Sound</source>
        <translation>Maximale Sound-Leistung</translation>
    </message>
    <message>
        <source>Off is max compatibility. Turn this off if you&apos;re having problems with sound skipping/stuttering/etc.</source>
        <translation>Aus heißt maximale Kompatibilität. Schalte das aus, wenn der Sound springt, stottert usw.</translation>
    </message>
    <message>
        <source>EAX Sound</source>
        <translation>EAX-Sound</translation>
    </message>
    <message>
        <source>Turn this on if you have an EAX compatible soundcard</source>
        <translation>Schalte das ein, wenn du eine EAX-fähige Soundkarte hast</translation>
    </message>
    <message>
        <source>A3D Sound</source>
        <translation>A3D-Sound</translation>
    </message>
    <message>
        <source>Turn this on if you have an A3D compatible soundcard</source>
        <translation>Schalte das ein, wenn du eine A3D-fähige Soundkarte hast</translation>
    </message>
    <message>
        <source>I&apos;m getting a &quot;DIR not found!&quot; error, but the dir exists!</source>
        <translation>Ich krieg „Ordner fehlt!“, aber der Ordner ist da!</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Optionen der Befehlszeile.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe samt den allgemeinen Optionen von Qt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
</context>
<context>
    <name>SetupCheck</name>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Wähle den Half-Life-Ordner mit „Suchen“ neben „Pfad“.</translation>
    </message>
    <message>
        <source>No Half-Life folder has been chosen in Vantor yet: this is where Half-Life usually is.</source>
        <translation>In Vantor wurde noch kein Half-Life-Ordner gewählt: Hier liegt Half-Life gewöhnlich.</translation>
    </message>
    <message>
        <source>The Half-Life folder %1 is not there.</source>
        <translation>Den Half-Life-Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 holds none of hl.sh, hl_linux and hl.exe.</source>
        <translation>%1 enthält weder hl.sh noch hl_linux noch hl.exe.</translation>
    </message>
    <message>
        <source>Choose the folder that holds Half-Life and its valve folder with Browse, or install Half-Life in Steam.</source>
        <translation>Wähle mit „Suchen“ den Ordner, der Half-Life und seinen Ordner valve enthält, oder installiere Half-Life über Steam.</translation>
    </message>
    <message>
        <source>The Linux edition of Half-Life (%1) in %2.</source>
        <translation>Die Linux-Version von Half-Life (%1) in %2.</translation>
    </message>
    <message>
        <source>Only the Windows edition of Half-Life (hl.exe) is in %1, and wine is not installed to run it.</source>
        <translation>In %1 liegt nur die Windows-Version von Half-Life (hl.exe), und wine, mit dem sie laufen würde, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Install wine, or the Linux edition of Half-Life through Steam.</source>
        <translation>Installiere wine oder über Steam die Linux-Version von Half-Life.</translation>
    </message>
    <message>
        <source>The Windows edition of Half-Life (hl.exe) in %1.</source>
        <translation>Die Windows-Version von Half-Life (hl.exe) in %1.</translation>
    </message>
    <message>
        <source>Not installed by Steam: Vantor starts the game itself.</source>
        <translation>Nicht von Steam installiert: Vantor startet das Spiel selbst.</translation>
    </message>
    <message>
        <source>the native Steam client</source>
        <translation>des nativen Steam-Clients</translation>
    </message>
    <message>
        <source>the Flatpak&apos;s Steam client</source>
        <translation>des Steam-Clients aus Flatpak</translation>
    </message>
    <message>
        <source>the Snap&apos;s Steam client</source>
        <translation>des Steam-Clients aus Snap</translation>
    </message>
    <message>
        <source>Installed by Steam, but no Steam client is installed here to start it through: Vantor starts the game itself.</source>
        <translation>Von Steam installiert, aber hier ist kein Steam-Client installiert, der es starten könnte: Vantor startet das Spiel selbst.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library that no Steam client here lists.</source>
        <translation>Von Steam installiert, in einer Bibliothek, die kein Steam-Client hier kennt.</translation>
    </message>
    <message>
        <source>Add the library in Steam&apos;s settings (Storage), so that Steam finds the game that Vantor asks it to start.</source>
        <translation>Füge die Bibliothek in den Steam-Einstellungen (Speicher) hinzu, damit Steam das Spiel findet, das Vantor starten lässt.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library of %1, which starts it.</source>
        <translation>Von Steam installiert, in einer Bibliothek %1, der das Spiel startet.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, Build %2</translation>
    </message>
    <message>
        <source>The branch that Steam installed: %1.</source>
        <translation>Der Zweig, den Steam installiert hat: %1.</translation>
    </message>
    <message>
        <source>The branch chosen in Steam, %1, is not installed yet.</source>
        <translation>Der in Steam gewählte Zweig, %1, ist noch nicht installiert.</translation>
    </message>
    <message>
        <source>Start Steam and let it finish updating Half-Life.</source>
        <translation>Starte Steam und lass es das Update von Half-Life fertig laden.</translation>
    </message>
    <message>
        <source>the default one (the 25th-anniversary build)</source>
        <translation>der Standardzweig (der Build zum 25. Jubiläum)</translation>
    </message>
    <message>
        <source>steam_legacy (the build from before the 25th-anniversary update)</source>
        <translation>steam_legacy (der Build von vor dem Update zum 25. Jubiläum)</translation>
    </message>
    <message>
        <source>The 32-bit libraries that the game needs are there: the loader, the C library, OpenGL and its driver.</source>
        <translation>Die 32-Bit-Bibliotheken, die das Spiel braucht, sind da: Loader, C-Bibliothek, OpenGL und sein Treiber.</translation>
    </message>
    <message>
        <source>The 32-bit loader (/lib/ld-linux.so.2) is missing.</source>
        <translation>Der 32-Bit-Loader (/lib/ld-linux.so.2) fehlt.</translation>
    </message>
    <message>
        <source>The 32-bit C library (libc.so.6) is missing.</source>
        <translation>Die 32-Bit-C-Bibliothek (libc.so.6) fehlt.</translation>
    </message>
    <message>
        <source>The 32-bit OpenGL library (libGL.so.1) is missing.</source>
        <translation>Die 32-Bit-OpenGL-Bibliothek (libGL.so.1) fehlt.</translation>
    </message>
    <message>
        <source>No 32-bit OpenGL driver is installed (Mesa&apos;s libGLX_mesa.so.0 with its dri folder, or NVIDIA&apos;s libGLX_nvidia.so.0).</source>
        <translation>Es ist kein 32-Bit-OpenGL-Treiber installiert (libGLX_mesa.so.0 von Mesa mit seinem Ordner dri oder libGLX_nvidia.so.0 von NVIDIA).</translation>
    </message>
    <message>
        <source>Steam starts the game with its own runtime, which brings the game&apos;s other libraries but not these.</source>
        <translation>Steam startet das Spiel mit seiner eigenen Laufzeitumgebung, die die übrigen Bibliotheken des Spiels mitbringt, diese aber nicht.</translation>
    </message>
    <message>
        <source>The Steam client is running, as this edition of Half-Life needs.</source>
        <translation>Der Steam-Client läuft, wie es diese Version von Half-Life braucht.</translation>
    </message>
    <message>
        <source>Only the Flatpak&apos;s Steam client is running, which a game that Vantor starts itself may not reach.</source>
        <translation>Nur der Steam-Client aus Flatpak läuft, und ein Spiel, das Vantor selbst startet, erreicht ihn womöglich nicht.</translation>
    </message>
    <message>
        <source>Start the native Steam client, or choose the Half-Life folder of the Flatpak&apos;s Steam library so that Vantor starts the game through it.</source>
        <translation>Starte den nativen Steam-Client, oder wähle den Half-Life-Ordner der Steam-Bibliothek aus Flatpak, damit Vantor das Spiel über ihn startet.</translation>
    </message>
    <message>
        <source>The Steam client is not running, and this edition of Half-Life needs it.</source>
        <translation>Der Steam-Client läuft nicht, und diese Version von Half-Life braucht ihn.</translation>
    </message>
    <message>
        <source>The mod folder %1 is not in the Half-Life folder.</source>
        <translation>Der Mod-Ordner %1 liegt nicht im Half-Life-Ordner.</translation>
    </message>
    <message>
        <source>Install the mod into the Half-Life folder, or turn the Mod field off.</source>
        <translation>Installiere die Mod in den Half-Life-Ordner oder schalte „Mod-Ordner“ aus.</translation>
    </message>
    <message>
        <source>The folder %1 holds no liblist.gam, so the game does not take it for a mod.</source>
        <translation>Der Ordner %1 enthält keine liblist.gam, also hält das Spiel ihn für keine Mod.</translation>
    </message>
    <message>
        <source>Install the mod whole, or choose another with the Mod field.</source>
        <translation>Installiere die Mod vollständig oder wähle unter „Mod-Ordner“ eine andere.</translation>
    </message>
    <message>
        <source>The mod %1 and its liblist.gam are there.</source>
        <translation>Die Mod %1 und ihre liblist.gam sind da.</translation>
    </message>
    <message>
        <source>The mod %1 has no Linux library.</source>
        <translation>Die Mod %1 hat keine Linux-Bibliothek.</translation>
    </message>
    <message>
        <source>Mods made before the 25th-anniversary update need Steam&apos;s steam_legacy branch: should this one fail, choose that branch in Steam (Half-Life&apos;s Properties, Betas).</source>
        <translation>Mods von vor dem Update zum 25. Jubiläum brauchen den Steam-Zweig steam_legacy: Falls diese nicht läuft, wähle den Zweig in Steam (Eigenschaften von Half-Life, Betas).</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 32-bit Linux library.</source>
        <translation>Die Bibliothek %2 der Mod %1 ist eine 32-Bit-Linux-Bibliothek.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1, which its liblist.gam names, is not there.</source>
        <translation>Die Bibliothek %2 der Mod %1, die ihre liblist.gam nennt, gibt es nicht.</translation>
    </message>
    <message>
        <source>Install the mod again, whole.</source>
        <translation>Installiere die Mod noch einmal vollständig.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 64-bit library, which the 32-bit game cannot load.</source>
        <translation>Die Bibliothek %2 der Mod %1 ist eine 64-Bit-Bibliothek, die das 32-Bit-Spiel nicht laden kann.</translation>
    </message>
    <message>
        <source>Get the mod&apos;s 32-bit (i386) build for Linux.</source>
        <translation>Besorg dir den 32-Bit-Build (i386) der Mod für Linux.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a Windows library.</source>
        <translation>Die Bibliothek %2 der Mod %1 ist eine Windows-Bibliothek.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is no library that the game can load.</source>
        <translation>Die Bibliothek %2 der Mod %1 ist keine, die das Spiel laden kann.</translation>
    </message>
    <message>
        <source>The game&apos;s files have inode numbers that the 32-bit game can take (%1 looked at).</source>
        <translation>Die Dateien des Spiels haben Inode-Nummern, mit denen das 32-Bit-Spiel zurechtkommt (%1 geprüft).</translation>
    </message>
    <message>
        <source>%1 of %2 files looked at in the game folder have inode numbers above 32 bits, and the 32-bit game fails to find such files.</source>
        <translation>%1 von %2 geprüften Dateien im Spielordner haben Inode-Nummern über 32 Bit, und das 32-Bit-Spiel findet solche Dateien nicht.</translation>
    </message>
    <message>
        <source>Move the game to a file system that hands out 32-bit inode numbers, such as ext4 or XFS mounted with inode32, copying its files anew.</source>
        <translation>Verschiebe das Spiel auf ein Dateisystem, das 32-Bit-Inode-Nummern vergibt, etwa ext4 oder XFS mit inode32 eingehängt, und kopiere seine Dateien dabei neu.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client may use the library %1.</source>
        <translation>Der Steam-Client aus Flatpak darf die Bibliothek %1 benutzen.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client has not been given the library %1.</source>
        <translation>Der Steam-Client aus Flatpak hat keinen Zugriff auf die Bibliothek %1 bekommen.</translation>
    </message>
    <message>
        <source>Give it the library: %1</source>
        <translation>Gib ihm Zugriff darauf: %1</translation>
    </message>
    <message>
        <source>Vantor can write its CFG file into %1.</source>
        <translation>Vantor kann seine CFG-Datei in %1 schreiben.</translation>
    </message>
    <message>
        <source>Vantor cannot write its CFG file into %1: the folder is missing or not writable.</source>
        <translation>Vantor kann seine CFG-Datei nicht in %1 schreiben: Der Ordner fehlt oder ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder, the one that holds valve, with Browse; or make valve writable for you.</source>
        <translation>Wähle mit „Suchen“ den Half-Life-Ordner, den mit valve darin, oder mach valve für dich beschreibbar.</translation>
    </message>
    <message>
        <source>[ok]</source>
        <translation>[ok]</translation>
    </message>
    <message>
        <source>[warning]</source>
        <translation>[Warnung]</translation>
    </message>
    <message>
        <source>[blocks]</source>
        <translation>[Fehler]</translation>
    </message>
    <message numerus="yes">
        <source>Half-Life will not start: %n thing(s) stop it.</source>
        <translation>
            <numerusform>Half-Life wird nicht starten: %n Problem steht im Weg.</numerusform>
            <numerusform>Half-Life wird nicht starten: %n Probleme stehen im Weg.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life, but mind the warnings.</source>
        <translation>Nichts, was Vantor prüft, steht Half-Life im Weg, aber beachte die Warnungen.</translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life.</source>
        <translation>Nichts, was Vantor prüft, steht Half-Life im Weg.</translation>
    </message>
    <message>
        <source>Vantor&apos;s report on Half-Life</source>
        <translation>Vantors Bericht zu Half-Life</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Startbefehl:</translation>
    </message>
    <message>
        <source>CFG lines:</source>
        <translation>CFG-Zeilen:</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Zweig:</translation>
    </message>
    <message>
        <source>not installed by Steam</source>
        <translation>nicht von Steam installiert</translation>
    </message>
    <message>
        <source>Setup check:</source>
        <translation>Prüfung der Einrichtung:</translation>
    </message>
    <message>
        <source>The game&apos;s last lines (%1):</source>
        <translation>Die letzten Zeilen des Spiels (%1):</translation>
    </message>
</context>
<context>
    <name>Skill</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinfo an.</translation>
    </message>
    <message>
        <source>Loads the options of slot &lt;N&gt; (1 to 3) instead of the Default slot.</source>
        <translation>Lädt die Optionen aus Slot &lt;N&gt; (1 bis 3) statt aus dem Start-Slot.</translation>
    </message>
    <message>
        <source>Prints what Run would start, as a shell would run it, then the CFG file that it would write (none in the directory-not-found mode). Writes nothing.</source>
        <translation>Gibt aus, was „Half-Life starten!“ starten würde, so wie eine Shell es ausführen würde, danach die CFG-Datei, die dabei geschrieben würde (keine im „Ordner fehlt“-Modus). Schreibt nichts.</translation>
    </message>
    <message>
        <source>Does what &quot;Run Half-Life Now!&quot; does, then ends.</source>
        <translation>Macht, was „Half-Life starten!“ macht, und beendet sich dann.</translation>
    </message>
    <message>
        <source>could not start the game: %1</source>
        <translation>das Spiel konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>no Game directory has been chosen; choose one in Vantor&apos;s window</source>
        <translation>es wurde kein Spielordner gewählt; wähle einen in Vantors Fenster</translation>
    </message>
    <message>
        <source>could not write the CFG file %1</source>
        <translation>die CFG-Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>vantor: Steam starts Half-Life in its own environment, so %1 is left out: it belongs in Steam&apos;s launch options for Half-Life
</source>
        <translation>vantor: Steam startet Half-Life in seiner eigenen Umgebung, darum wird %1 weggelassen: Das gehört in die Startoptionen von Half-Life in Steam
</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1). Its last lines:</source>
        <translation>Half-Life war sofort wieder beendet (%1). Seine letzten Zeilen:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Die ganze Ausgabe: %1</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Siehe --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <source>--print and --run cannot go together</source>
        <translation>--print und --run gehen nicht zusammen</translation>
    </message>
    <message>
        <source>--slot takes 1, 2 or 3, not &apos;%1&apos;</source>
        <translation>--slot nimmt 1, 2 oder 3, nicht „%1“</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life</source>
        <translation>Vantor konnte Half-Life nicht starten</translation>
    </message>
    <message>
        <source>Slot %1 is not saved</source>
        <translation>Slot %1 ist nicht gespeichert</translation>
    </message>
    <message>
        <source>Vantor&apos;s window needs a graphical session (X11 or Wayland); vantor --print and vantor --run work without one</source>
        <translation>Vantors Fenster braucht eine grafische Sitzung (X11 oder Wayland); vantor --print und vantor --run gehen auch ohne</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1).</source>
        <translation>Half-Life war sofort wieder beendet (%1).</translation>
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
        <translation>Setzt die Optionen von Half-Life und startet das Spiel.

--print, --run und --check zeigen kein Fenster und fragen nichts. Exit-Status:
  0  fertig; bei --run wurde das Spiel gestartet
  1  die Optionen sind falsch
  2  der verlangte Slot ist nicht gespeichert
  3  im Fenster wurde kein Spielordner gewählt
  4  die CFG-Datei konnte nicht geschrieben werden
  5  das Spiel konnte nicht gestartet werden
  6  das Spiel war sofort wieder beendet
  7  --check hat etwas gefunden, das dem Spiel im Weg steht</translation>
    </message>
    <message>
        <source>Checks Half-Life&apos;s setup, line by line: what will stop the game, and what to do about it. Reads only.</source>
        <translation>Prüft die Einrichtung von Half-Life Zeile für Zeile: was dem Spiel im Weg stehen wird und was dagegen hilft. Liest nur.</translation>
    </message>
    <message>
        <source>With --run: says why the game could not be started in a desktop notification, or a message window, as the desktop menu&apos;s entries do; for a slot that is not saved it offers to open Vantor. With --check: says what the check found there.</source>
        <translation>Mit --run: Sagt in einer Desktop-Benachrichtigung oder einem Meldungsfenster, warum das Spiel nicht gestartet werden konnte, so wie es die Einträge im Desktop-Menü tun; bei einem nicht gespeicherten Slot bietet es an, Vantor zu öffnen. Mit --check: Sagt dort, was die Prüfung der Einrichtung gefunden hat.</translation>
    </message>
    <message>
        <source>--check cannot go with --print or --run</source>
        <translation>--check geht nicht zusammen mit --print oder --run</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select a map:</source>
        <translation>Map wählen:</translation>
    </message>
    <message>
        <source>Click on the map you want to run when Half-Life starts.</source>
        <translation>Klick auf die Map, die beim Start von Half-Life laufen soll.</translation>
    </message>
    <message>
        <source>Select a cfg:</source>
        <translation>CFG wählen:</translation>
    </message>
    <message>
        <source>Click on the cfg file you want to execute when Half-Life starts.</source>
        <translation>Klick auf die CFG-Datei, die beim Start von Half-Life ausgeführt werden soll.</translation>
    </message>
</context>
<context>
    <name>vantor::Form1</name>
    <message>
        <source>Vantor, by Tovrik</source>
        <translation>Vantor, von Tovrik</translation>
    </message>
    <message>
        <source>Steam starts Half-Life in its own environment, so Vantor leaves out %1: they belong in Steam&apos;s launch options for Half-Life.</source>
        <translation>Steam startet Half-Life in seiner eigenen Umgebung, darum lässt Vantor %1 weg: Das gehört in die Startoptionen von Half-Life in Steam.</translation>
    </message>
    <message>
        <source>Paste Command Line or CFG</source>
        <translation>Befehlszeile oder CFG einfügen</translation>
    </message>
    <message>
        <source>Bring in Steam&apos;s Launch Options</source>
        <translation>Startoptionen aus Steam holen</translation>
    </message>
    <message>
        <source>Steam keeps no launch options for Half-Life</source>
        <translation>Steam hat keine Startoptionen für Half-Life</translation>
    </message>
    <message numerus="yes">
        <source>%n options set</source>
        <translation>
            <numerusform>%n Option gesetzt</numerusform>
            <numerusform>%n Optionen gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n lines not used</source>
        <translation>
            <numerusform>, %n Zeile nicht verwendet</numerusform>
            <numerusform>, %n Zeilen nicht verwendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Laden:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot:</source>
        <translation>Früher gespeicherte Optionen aus einem Slot laden:</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot:</source>
        <translation>Aktuelle Vantor-Optionen in einem Slot speichern:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot %1</source>
        <translation>Früher gespeicherte Optionen aus Slot %1 laden</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Slot %1 laden</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot %1</source>
        <translation>Aktuelle Vantor-Optionen in Slot %1 speichern</translation>
    </message>
    <message>
        <source>Save Slot %1</source>
        <translation>In Slot %1 speichern</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Load options from this slot when Vantor loads:</source>
        <translation>Optionen aus diesem Slot laden, wenn Vantor startet:</translation>
    </message>
    <message>
        <source>Default Slot %1</source>
        <translation>Start-Slot %1</translation>
    </message>
    <message>
        <source>Set options saved in slot %1 as the default options</source>
        <translation>Die in Slot %1 gespeicherten Optionen beim Start von Vantor laden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help, About, etc.</source>
        <translation>Hilfe, Info usw.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Select the map you want to load when Half-Life runs</source>
        <translation>Wähl die Map, die beim Start von Half-Life geladen werden soll</translation>
    </message>
    <message>
        <source>Browse for a map</source>
        <translation>Nach einer Map suchen</translation>
    </message>
    <message>
        <source>Select a CFG you want to execute when Half-Life loads</source>
        <translation>Wähl eine CFG, die beim Laden von Half-Life ausgeführt werden soll</translation>
    </message>
    <message>
        <source>Browse for a CFG file</source>
        <translation>Nach einer CFG-Datei suchen</translation>
    </message>
    <message>
        <source>Multiplayer Options</source>
        <translation>Multiplayer-Optionen</translation>
    </message>
    <message>
        <source>Multiplayer-related options</source>
        <translation>Optionen rund um den Multiplayer</translation>
    </message>
    <message>
        <source>Performance, Mod (Custom Game) and Sound Options</source>
        <translation>Leistung, Mod (eigenes Spiel) und Sound</translation>
    </message>
    <message>
        <source>Options to help increase framerate (at a cost), to start Half-Life using a mod (user modification such as TFC), and sound related options.</source>
        <translation>Optionen für mehr Framerate (hat ihren Preis), zum Starten von Half-Life mit einer Mod (Modifikation von Spielern wie TFC) und Optionen rund um den Sound.</translation>
    </message>
    <message>
        <source>Go to  Corvana!</source>
        <translation>Zu  Corvana!</translation>
    </message>
    <message>
        <source>Go to Corvana!</source>
        <translation>Zu Corvana!</translation>
    </message>
    <message>
        <source>Browse to your \half-life\ directory.</source>
        <translation>Such deinen Ordner \half-life\.</translation>
    </message>
    <message>
        <source>Browse for the Half-Life folder</source>
        <translation>Nach dem Half-Life-Ordner suchen</translation>
    </message>
    <message>
        <source>Makes a CFG file in your Valve\ dir, using the current settings. You can execute it by typing &quot;exec whatever.cfg&quot; in the console</source>
        <translation>Erstellt mit den aktuellen Einstellungen eine CFG-Datei in deinem Ordner Valve\. Ausführen kannst du sie, indem du in der Konsole „exec irgendwas.cfg“ eintippst</translation>
    </message>
    <message>
        <source>CFG file name</source>
        <translation>Name der CFG-Datei</translation>
    </message>
    <message>
        <source>Runs Half-Life using the current Vantor settings</source>
        <translation>Startet Half-Life mit den aktuellen Vantor-Einstellungen</translation>
    </message>
    <message>
        <source>Deletes all Vantor saves from the registry</source>
        <translation>Löscht alles, was Vantor in der Registry gespeichert hat</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Resets settings to the Vantor defaults (not Half-Life defaults). Will not wipe saved settings. Vantor will have to be restarted</source>
        <translation>Setzt die Einstellungen auf Vantors Standardwerte zurück (nicht auf die von Half-Life). Gespeicherte Einstellungen bleiben erhalten. Vantor muss danach neu gestartet werden</translation>
    </message>
    <message>
        <source>Exit Vantor</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Umm.... guess.</source>
        <translation>Ähm.... rate mal.</translation>
    </message>
    <message>
        <source>Back to General Options</source>
        <translation>Zurück zu den Optionen</translation>
    </message>
    <message>
        <source>Read the button</source>
        <translation>Lies, was draufsteht</translation>
    </message>
    <message>
        <source>Back to General Options from Multiplayer</source>
        <translation>Vom Multiplayer zurück zu den Optionen</translation>
    </message>
    <message>
        <source>Performance Options</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Mod/Custom Game Options</source>
        <translation>Mod/eigenes Spiel</translation>
    </message>
    <message>
        <source>Warning: Use only with Half-Life v1.0.0.9 and above!</source>
        <translation>Achtung: Nur mit Half-Life ab v1.0.0.9 benutzen!</translation>
    </message>
    <message>
        <source>Back to General Options from Performance, Mod and Sound</source>
        <translation>Von Leistung, Mod und Sound zurück zu den Optionen</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>The author&apos;s page</source>
        <translation>Die Seite des Autors</translation>
    </message>
    <message>
        <source>Go to the Vantor page for info/etc.</source>
        <translation>Zur Vantor-Seite für Infos usw.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Feeling depressed?</source>
        <translation>Mies drauf?</translation>
    </message>
    <message>
        <source>Back to General Options from Help</source>
        <translation>Von der Hilfe zurück zu den Optionen</translation>
    </message>
    <message>
        <source>Brask - a comic strip by the author of Vantor</source>
        <translation>Brask – ein Comic vom Vantor-Autor</translation>
    </message>
    <message>
        <source>Picture of comic panel %1</source>
        <translation>Bild des Comic-Panels %1</translation>
    </message>
    <message>
        <source>&lt;- Scroll Left</source>
        <translation>&lt;- Nach links</translation>
    </message>
    <message>
        <source>Scroll Right  -&gt;</source>
        <translation>Nach rechts -&gt;</translation>
    </message>
    <message>
        <source>Comic panel %1</source>
        <translation>Comic-Panel %1</translation>
    </message>
    <message>
        <source>Back to Help</source>
        <translation>Zur Hilfe</translation>
    </message>
    <message>
        <source>Still feeling depressed?</source>
        <translation>Immer noch mies?</translation>
    </message>
    <message>
        <source>the system did not start it</source>
        <translation>das System hat es nicht gestartet</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Could not start the game: %1</source>
        <translation>Das Spiel konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Half-Life ended as soon as it started (%1).</source>
        <translation>Half-Life war gleich nach dem Start wieder beendet (%1).</translation>
    </message>
    <message>
        <source>Its last lines:</source>
        <translation>Seine letzten Zeilen:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Die ganze Ausgabe: %1</translation>
    </message>
    <message>
        <source>Please select your \Half-Life\ directory:</source>
        <translation>Bitte wähl deinen Ordner \Half-Life\:</translation>
    </message>
    <message>
        <source>Steam adds its own launch options: %1</source>
        <translation>Steam fügt seine eigenen Startoptionen hinzu: %1</translation>
    </message>
    <message>
        <source>Brask, a round orange fellow, stands sadly in the rain under a grey cloud: &quot;Rainy day. And my game will not start...&quot; Pim, a little blue bird, flies up: &quot;Cheer up, Brask! Let us have a look.&quot;</source>
        <translation>Brask, ein runder oranger Kerl, steht traurig im Regen unter einer grauen Wolke: „Regentag. Und mein Spiel startet nicht …“ Pim, ein kleiner blauer Vogel, fliegt heran: „Kopf hoch, Brask! Lass uns mal nachsehen.“</translation>
    </message>
    <message>
        <source>Indoors, a computer&apos;s screen says &quot;Dir not found!&quot; Brask, surprised: &quot;Oh! It looks in the wrong folder!&quot; Pim: &quot;Browse for the game!&quot;</source>
        <translation>Drinnen zeigt ein Computerbildschirm „Dir not found!“ (Ordner nicht gefunden). Brask, überrascht: „Oh! Es sucht im falschen Ordner!“ Pim: „Such den Ordner des Spiels!“</translation>
    </message>
    <message>
        <source>Outside in the sunshine, among stars, Brask beams: &quot;It runs! Thanks, Pim!&quot; Pim: &quot;Told you, Brask. Happy gaming!&quot;</source>
        <translation>Draußen im Sonnenschein, zwischen Sternen, strahlt Brask: „Es läuft! Danke, Pim!“ Pim: „Hab ich doch gesagt, Brask. Viel Spaß beim Spielen!“</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Turns most options off: those that only a CFG file can carry, since Vantor then writes none.</source>
        <translation>Schaltet die meisten Optionen ab: alle, die nur eine CFG-Datei übergeben kann, denn Vantor schreibt dann keine.</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>The screen now says &quot;Half-Life OK&quot;. Pim: &quot;Now press &apos;%1&apos;&quot; Brask, smiling: &quot;There it is! The game folder.&quot;</source>
        <translation>Jetzt zeigt der Bildschirm „Half-Life OK“. Pim: „Jetzt drück auf ‚%1‘“ Brask lächelt: „Da ist er! Der Ordner des Spiels.“</translation>
    </message>
    <message>
        <source>Check Setup</source>
        <translation>Einrichtung prüfen</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Mend Custom Parameters, then run the game again.</source>
        <translation>Korrigiere „Eigene Parameter“ und starte das Spiel dann noch einmal.</translation>
    </message>
    <message>
        <source>The Half-Life folder lies in a Steam library, so Vantor asked the Steam client to start the game.</source>
        <translation>Der Half-Life-Ordner liegt in einer Steam-Bibliothek, darum hat Vantor den Steam-Client gebeten, das Spiel zu starten.</translation>
    </message>
    <message>
        <source>See that Steam is installed and starts, or choose another Half-Life folder with Browse beside HL Dir.</source>
        <translation>Sieh nach, ob Steam installiert ist und startet, oder wähle mit „Suchen“ neben „Pfad“ einen anderen Half-Life-Ordner.</translation>
    </message>
    <message>
        <source>In the directory-not-found mode, Vantor starts the hl.exe in its own folder, %1, else the one on the PATH.</source>
        <translation>Im „Ordner fehlt“-Modus startet Vantor die hl.exe in seinem eigenen Ordner, %1, sonst die im PATH.</translation>
    </message>
    <message>
        <source>Turn that mode off on the Comic page and choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Schalte diesen Modus auf der Comic-Seite aus und wähle den Half-Life-Ordner mit „Suchen“ neben „Pfad“.</translation>
    </message>
    <message>
        <source>Vantor looks in the Half-Life folder, %1, for hl.sh, then hl_linux, then hl.exe.</source>
        <translation>Vantor sucht im Half-Life-Ordner, %1, nach hl.sh, dann hl_linux, dann hl.exe.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir. Check Setup says what else may stop the game.</source>
        <translation>Wähle den Half-Life-Ordner mit „Suchen“ neben „Pfad“. „Einrichtung prüfen“ sagt, was dem Spiel sonst noch im Weg stehen kann.</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life.</source>
        <translation>Vantor konnte Half-Life nicht starten.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Log öffnen</translation>
    </message>
</context>
<context>
    <name>vantor::frmdirnotfound</name>
    <message>
        <source>Dir not Found  -  Help</source>
        <translation>Ordner fehlt – Hilfe</translation>
    </message>
    <message>
        <source>Error: Directory not found!</source>
        <translation>Fehler: Ordner fehlt!</translation>
    </message>
    <message>
        <source>Either Vantor could not find the directory you specified in the &quot;HL Dir&quot; field, or it could not find a Valve\ or Valve\maps\ directory inside it. This may be because you specified the wrong directory, or it may be because of a compatibility bug in Vantor that only effects a few systems (don&apos;t know why or how to fix it). IF the directory shown in the &quot;HL Dir&quot; field is DEFINITELY CORRECT, you are probably one of the few people effected by the bug :(. Otherwise, click Browse and choose your Half-Life\ directory.</source>
        <translation>Entweder hat Vantor den Ordner aus dem Feld „Pfad“ nicht gefunden, oder es hat darin keinen Ordner Valve\ bzw. Valve\maps\ gefunden. Vielleicht hast du den falschen Ordner angegeben, vielleicht liegt es aber auch an einem Kompatibilitätsbug in Vantor, der nur ein paar Systeme trifft (keine Ahnung, warum oder wie man ihn behebt). FALLS der Ordner im Feld „Pfad“ GANZ SICHER STIMMT, gehörst du wohl zu den paar Leuten, die der Bug erwischt hat :(. Sonst klick auf „Suchen“ und wähl deinen Ordner Half-Life\.</translation>
    </message>
    <message>
        <source>There is no proper fix for this yet: on a few systems Vantor cannot write to the disk, and nobody knows why. If you know what causes it, please send an e-mail; the contact details are on the Help page.</source>
        <translation>Eine richtige Lösung dafür gibt es noch nicht: Auf ein paar Systemen kann Vantor nicht auf die Platte schreiben, und keiner weiß, warum. Wenn du weißt, woran es liegt, schick bitte eine E-Mail; die Kontaktdaten stehen auf der Hilfeseite.</translation>
    </message>
    <message>
        <source>There is a partial fix, however, which will let you use a few basic features. To get these features to work, click &quot;Help&quot; (on Vantor), then &quot;Feeling Depressed?&quot;. There should be a checkbox under the Brask strip. Turn it on.</source>
        <translation>Es gibt aber eine Teillösung, mit der wenigstens ein paar Grundfunktionen gehen. Dafür klickst du (in Vantor) auf „Hilfe“ und dann auf „Mies drauf?“. Unter dem Brask-Comic sollte ein Kästchen sein. Mach einen Haken rein.</translation>
    </message>
    <message>
        <source>Unusable options (almost all of them :(  ) will now be disabled. You can enable them again by going to Help/Depressed/ and unchecking the checkbox.</source>
        <translation>Optionen, die nicht gehen (fast alle :(  ), werden jetzt abgeschaltet. Einschalten kannst du sie wieder unter Hilfe/Mies drauf?/, indem du den Haken im Kästchen wieder rausnimmst.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
