<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Caption</name>
    <message>
        <source>Run Half-Life Now!</source>
        <translation>¡Jugar a Half-Life!</translation>
    </message>
    <message>
        <source>Could not start hl.exe!</source>
        <translation>¡No se pudo iniciar hl.exe!</translation>
    </message>
    <message>
        <source>Make CFG File:</source>
        <translation>Crear CFG:</translation>
    </message>
    <message>
        <source>CFG file created</source>
        <translation>CFG creado</translation>
    </message>
    <message>
        <source>Enter a filename!</source>
        <translation>¡Pon un nombre!</translation>
    </message>
    <message>
        <source>Delete all saved settings</source>
        <translation>Borrar todo lo guardado</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Guardar:</translation>
    </message>
    <message>
        <source>Current Command Line:</source>
        <translation>Línea de comandos actual:</translation>
    </message>
    <message>
        <source> ERROR: Dir not found!</source>
        <translation> ERROR: ¡Falta la carpeta!</translation>
    </message>
    <message>
        <source>This is the command line that will be executed, like from the DOS prompt</source>
        <translation>Esta es la línea de comandos que se ejecutará, como si la escribieras en el DOS</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Not saved!</source>
        <translation>¡No guardado!</translation>
    </message>
</context>
<context>
    <name>Causes</name>
    <message>
        <source>This edition of Half-Life needs the Steam client running: start Steam first, or choose the Half-Life folder of a Steam library with Browse, so that Vantor starts the game through Steam.</source>
        <translation>Esta edición de Half-Life necesita que el cliente de Steam esté abierto: inicia Steam primero, o elige con «Buscar» la carpeta de Half-Life de una biblioteca de Steam, para que Vantor inicie el juego a través de Steam.</translation>
    </message>
    <message>
        <source>This edition of Half-Life needs the Steam client running, and no Steam client is installed here for Vantor to start the game through: install Steam (your distribution&apos;s package, or the Flatpak com.valvesoftware.Steam) or start the one you have, then run the game again.</source>
        <translation>Esta edición de Half-Life necesita que el cliente de Steam esté abierto, y aquí no hay ningún cliente de Steam instalado a través del cual Vantor pueda iniciar el juego: instala Steam (el paquete de tu distribución o el Flatpak com.valvesoftware.Steam) o abre el que tengas, y vuelve a iniciar el juego.</translation>
    </message>
    <message>
        <source>Half-Life was started without the libraries that come with it (libsteam_api.so, hw.so): start it through hl.sh, which sets them up, or through Steam.</source>
        <translation>Half-Life se inició sin las bibliotecas que trae consigo (libsteam_api.so, hw.so): inícialo con hl.sh, que las prepara, o a través de Steam.</translation>
    </message>
    <message>
        <source>Half-Life found no 32-bit OpenGL driver. %1</source>
        <translation>Half-Life no encontró ningún controlador OpenGL de 32 bits. %1</translation>
    </message>
    <message>
        <source>Half-Life is a 32-bit program, and the system lacks the 32-bit library %1 that it needs. %2</source>
        <translation>Half-Life es un programa de 32 bits y al sistema le falta la biblioteca de 32 bits %1, que necesita. %2</translation>
    </message>
    <message>
        <source>Half-Life could not open the sound device: put SDL_AUDIODRIVER=pulseaudio (or pipewire) in front of %command% in Custom Parameters, as in &quot;SDL_AUDIODRIVER=pulseaudio %command%&quot;.</source>
        <translation>Half-Life no pudo abrir el dispositivo de sonido: pon SDL_AUDIODRIVER=pulseaudio (o pipewire) delante de %command% en los «Parámetros extra», así: «SDL_AUDIODRIVER=pulseaudio %command%».</translation>
    </message>
    <message>
        <source>The mod does not fit this build of Half-Life: a mod made before the 25th-anniversary update needs Steam&apos;s steam_legacy branch (in Steam, Half-Life&apos;s Properties, Betas), or this build of the mod is broken.</source>
        <translation>El mod no encaja con esta versión de Half-Life: un mod hecho antes de la actualización del 25.º aniversario necesita la rama steam_legacy de Steam (en Steam: Propiedades de Half-Life, Betas), o esta versión del mod está rota.</translation>
    </message>
    <message>
        <source>the loader</source>
        <translation>el cargador</translation>
    </message>
    <message>
        <source>the C library</source>
        <translation>la biblioteca C</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>an OpenGL driver</source>
        <translation>un controlador OpenGL</translation>
    </message>
    <message>
        <source>the C++ library</source>
        <translation>la biblioteca C++</translation>
    </message>
    <message>
        <source>Install the :i386 package that holds it (apt-file search %1 names it), after sudo dpkg --add-architecture i386.</source>
        <translation>Instala el paquete :i386 que la contiene (apt-file search %1 lo indica), después de sudo dpkg --add-architecture i386.</translation>
    </message>
    <message>
        <source>Install the .i686 package that holds it (dnf provides %1 names it).</source>
        <translation>Instala el paquete .i686 que la contiene (dnf provides %1 lo indica).</translation>
    </message>
    <message>
        <source>Install the lib32- package that holds it (pacman -F %1 names it).</source>
        <translation>Instala el paquete lib32- que la contiene (pacman -F %1 lo indica).</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) package that holds it.</source>
        <translation>Instala el paquete de 32 bits (i386) de tu distribución que la contiene.</translation>
    </message>
    <message>
        <source>Install with: %1</source>
        <translation>Para instalar: %1</translation>
    </message>
    <message>
        <source>Install with (the multilib repository on in /etc/pacman.conf): %1</source>
        <translation>Para instalar (con el repositorio multilib activado en /etc/pacman.conf): %1</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) packages of %1.</source>
        <translation>Instala los paquetes de 32 bits (i386) de tu distribución para %1.</translation>
    </message>
    <message>
        <source>The mod %1 has no library for Linux (its liblist.gam names no gamedll_linux): it runs only with the Windows edition of Half-Life, hl.exe through wine.</source>
        <translation>El mod %1 no tiene biblioteca para Linux (su liblist.gam no indica ningún gamedll_linux): solo funciona con la edición de Windows de Half-Life, hl.exe a través de wine.</translation>
    </message>
    <message>
        <source>Vantor does not know this cause. Start Half-Life once from Steam, which sets up what the game needs, and read the game&apos;s log in full: its cause is often a few lines above the end.</source>
        <translation>Vantor no conoce esta causa. Inicia Half-Life una vez desde Steam, que prepara lo que el juego necesita, y lee el log del juego entero: la causa suele estar unas líneas antes del final.</translation>
    </message>
</context>
<context>
    <name>DeleteAll</name>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Are you really, really sure?</source>
        <translation>¿Seguro, segurísimo?</translation>
    </message>
    <message>
        <source>OK, they&apos;re deleted</source>
        <translation>OK, ya los borré</translation>
    </message>
    <message>
        <source>I just did that</source>
        <translation>¡Ya lo hice!</translation>
    </message>
    <message>
        <source>No, really, I deleted them!</source>
        <translation>¡Que sí, que ya los borré!</translation>
    </message>
    <message>
        <source>Oh alright, I&apos;ll re-delete them</source>
        <translation>Bueno, los vuelvo a borrar</translation>
    </message>
    <message>
        <source>What, again?!?</source>
        <translation>¿¡Qué, otra vez!?</translation>
    </message>
    <message>
        <source>I&apos;m tired, go away</source>
        <translation>Estoy harto, vete</translation>
    </message>
    <message>
        <source>OK, but this is the last time</source>
        <translation>OK, pero es la última vez</translation>
    </message>
    <message>
        <source>STOP CLICKING ME!!!</source>
        <translation>¡¡¡NO ME PULSES!!!</translation>
    </message>
    <message>
        <source>You&apos;re starting to annoy me...</source>
        <translation>Ya me estás fastidiando...</translation>
    </message>
    <message>
        <source>That&apos;s it! You&apos;re dead, man!</source>
        <translation>¡Se acabó! ¡Estás muerto!</translation>
    </message>
</context>
<context>
    <name>GameWatch</name>
    <message>
        <source>a crash</source>
        <translation>un fallo</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>código %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>no se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Its output could not be written to %1: %2</source>
        <translation>Su salida no se pudo escribir en %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchPrefix</name>
    <message>
        <source>%command% stands there more than once</source>
        <translation>%command% aparece más de una vez</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>hay unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>Custom Parameters cannot be read: %1</source>
        <translation>No se pueden leer los «Parámetros extra»: %1</translation>
    </message>
    <message>
        <source>the wrapper %1 is not on the PATH</source>
        <translation>el wrapper %1 no está en el PATH</translation>
    </message>
    <message>
        <source>a command substitution ($(…) or `…`) is never run</source>
        <translation>una sustitución de comandos ($(…) o `…`) nunca se ejecuta</translation>
    </message>
    <message>
        <source>only $NAME and ${NAME} are expanded, not %1</source>
        <translation>solo se expanden $NAME y ${NAME}, no %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Open Vantor</source>
        <translation>Abrir Vantor</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>The BSP file you want loaded when the game starts (if you do want one loaded)</source>
        <translation>El archivo BSP que quieres cargar al iniciar el juego (si es que quieres cargar alguno)</translation>
    </message>
    <message>
        <source>For a 28.8 modem, your rate should be somewhere between 2000 and 3000, you need to try lots of different settings in the console to work out what&apos;s best for you</source>
        <translation>Con un módem de 28,8, tu rate debería estar entre 2000 y 3000; tendrás que probar muchos valores distintos en la consola para ver cuál te va mejor</translation>
    </message>
    <message>
        <source>Maximum number of players that can be in a multiplayer game at once</source>
        <translation>Número máximo de jugadores que puede haber a la vez en una partida multijugador</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For LAN games, it shouldn&apos;t matter that much</source>
        <translation>Limita tus FPS: si son demasiado altos, provocarán lag. En partidas LAN no debería importar mucho</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For a 28.8 modem, you&apos;d want to use around 22fps-28fps</source>
        <translation>Limita tus FPS: si son demasiado altos, provocarán lag. Con un módem de 28,8, te conviene usar unos 22–28 fps</translation>
    </message>
    <message>
        <source>The amount Half-Life should predict entity movement, this should be around the same as your ping time, try different settings in the console</source>
        <translation>Cuánto debe predecir Half-Life el movimiento de las entidades; debería ser más o menos igual a tu ping. Prueba distintos valores en la consola</translation>
    </message>
    <message>
        <source>The amount of decals (blood splats, bulletholes, etc.) that can exist at once. Having too many decals in the screen at once will decrease framerate by quite a lot</source>
        <translation>La cantidad de decals (manchas de sangre, agujeros de bala, etc.) que puede haber a la vez. Tener demasiados decals en pantalla a la vez bajará bastante tus FPS</translation>
    </message>
    <message>
        <source>Numeric Ping</source>
        <translation>Ping numérico</translation>
    </message>
    <message>
        <source>Uses numeric ping times instead of the &quot;traffic light&quot; thingies.</source>
        <translation>Muestra el ping en números en lugar de esos «semáforos».</translation>
    </message>
    <message>
        <source>Start in Console</source>
        <translation>Iniciar en consola</translation>
    </message>
    <message>
        <source>When Half-Life loads, it&apos;ll go directly to the console instead of the main menu</source>
        <translation>Al cargar, Half-Life irá directamente a la consola en lugar de al menú principal</translation>
    </message>
    <message>
        <source>Allow Cheats</source>
        <translation>Permitir trucos</translation>
    </message>
    <message>
        <source>Allows you to use cheats if you want to. Warning!: If you&apos;re running a multiplayer server, it&apos;ll allow people to use cheats in the game</source>
        <translation>Te deja usar trucos si quieres. ¡Ojo!: si tienes un servidor multijugador, la gente podrá usar trucos en la partida</translation>
    </message>
    <message>
        <source>MMX Processor</source>
        <translation>Procesador MMX</translation>
    </message>
    <message>
        <source>Enables MMX support. Do not use this unless you have an MMX enhanced processor</source>
        <translation>Activa el soporte MMX. No lo uses a menos que tengas un procesador con MMX</translation>
    </message>
    <message>
        <source>MouseLook (freelook)</source>
        <translation>Vista libre (ratón)</translation>
    </message>
    <message>
        <source>Mouse Filter</source>
        <translation>Filtro del ratón</translation>
    </message>
    <message>
        <source>Enabling this will make mouse movement a bit smoother, but it also makes it a bit harder to aim</source>
        <translation>Al activarlo, el movimiento del ratón será un poco más suave, pero también costará un poco más apuntar</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Enables shadows, only works in hardware mode. Will decrease framerate a bit.</source>
        <translation>Activa las sombras; solo funciona en modo hardware. Bajará un poco los FPS.</translation>
    </message>
    <message>
        <source>Custom Map:</source>
        <translation>Mapa inicial:</translation>
    </message>
    <message>
        <source>Custom CFG:</source>
        <translation>CFG inicial:</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads</source>
        <translation>Sirve para ejecutar un archivo CFG con varios comandos al cargar el juego</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads (should end in &quot;.cfg&quot;)</source>
        <translation>Sirve para ejecutar un archivo CFG con varios comandos al cargar el juego (debe terminar en «.cfg»)</translation>
    </message>
    <message>
        <source>Skill Level:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>The difficulty level in single player</source>
        <translation>El nivel de dificultad en el modo de un jugador</translation>
    </message>
    <message>
        <source>Console Speed:</source>
        <translation>Vel. consola:</translation>
    </message>
    <message>
        <source>The speed that the console moves at when you bring it down/put it away. 600 is the default speed</source>
        <translation>La velocidad a la que se mueve la consola cuando la abres o la cierras. 600 es la velocidad por defecto</translation>
    </message>
    <message>
        <source>Third Person View</source>
        <translation>Tercera persona</translation>
    </message>
    <message>
        <source>Shows everything from a third person (chasecam) view. Check Help for camera control info.</source>
        <translation>Muestra todo desde una vista en tercera persona (chasecam). Mira en Ayuda cómo controlar la cámara.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Modo desarrollador</translation>
    </message>
    <message>
        <source>Advanced, displays a lot more information about what&apos;s going on in the console. Good for testing maps</source>
        <translation>Avanzado: muestra en la consola mucha más información sobre lo que está pasando. Ideal para probar mapas</translation>
    </message>
    <message>
        <source>Direct3D Flip</source>
        <translation>Flip Direct3D</translation>
    </message>
    <message>
        <source>If you experience input lag (takes a while for things to react to your controls in single and multiplayer), enabling this might fix it</source>
        <translation>Si notas retraso en los controles (las cosas tardan en reaccionar a tus controles, en un jugador y en multijugador), activar esto puede arreglarlo</translation>
    </message>
    <message>
        <source>Enable Joystick</source>
        <translation>Usar joystick</translation>
    </message>
    <message>
        <source>Disabling the joystick increases performance slightly. Enable this if you want to use a joystick</source>
        <translation>Desactivar el joystick mejora un poco el rendimiento. Actívalo si quieres usar un joystick</translation>
    </message>
    <message>
        <source>HL Dir:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Your Half-Life directory location</source>
        <translation>La ubicación de tu carpeta de Half-Life</translation>
    </message>
    <message>
        <source>Save on Run (Slot 3)</source>
        <translation>Guardar en ranura 3</translation>
    </message>
    <message>
        <source>Saves the current Vantor options in slot 3 before running Half-Life</source>
        <translation>Guarda las opciones actuales de Vantor en la ranura 3 antes de iniciar Half-Life</translation>
    </message>
    <message>
        <source>Close Vantor on Run</source>
        <translation>Salir al jugar</translation>
    </message>
    <message>
        <source>Closes Vantor after running Half-Life</source>
        <translation>Cierra Vantor después de iniciar Half-Life</translation>
    </message>
    <message>
        <source> Custom Parameters:</source>
        <translation> Parámetros extra:</translation>
    </message>
    <message>
        <source>Advanced. If you want to add anything to the command line, type it here</source>
        <translation>Avanzado. Si quieres añadir algo a la línea de comandos, escríbelo aquí</translation>
    </message>
    <message>
        <source>DM Server</source>
        <translation>Servidor DM</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re running a DM server</source>
        <translation>Actívalo si vas a montar un servidor DM</translation>
    </message>
    <message>
        <source>LAN Game</source>
        <translation>Partida LAN</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re going to be playing multiplayer over a Local Area Network</source>
        <translation>Actívalo si vas a jugar en multijugador por una red local (LAN)</translation>
    </message>
    <message>
        <source>Allow Download</source>
        <translation>Permitir descargas</translation>
    </message>
    <message>
        <source>Allows HL to download maps, models, and decals from a multiplayer server. Will probably increase lag.</source>
        <translation>Permite que HL descargue mapas, modelos y decals de un servidor multijugador. Seguramente aumentará el lag.</translation>
    </message>
    <message>
        <source>Allow Upload</source>
        <translation>Permitir subidas</translation>
    </message>
    <message>
        <source>Allows Half-Life to upload your custom decals, models, etc. to the server, will increase lag while uploading</source>
        <translation>Permite que Half-Life suba al servidor tus decals, modelos, etc. personalizados; habrá más lag mientras se suben</translation>
    </message>
    <message>
        <source>High Quality Models</source>
        <translation>Modelos de alta calidad</translation>
    </message>
    <message>
        <source>Turning this on makes models look better, but it&apos;ll decrease your framerate a bit</source>
        <translation>Al activarlo, los modelos se ven mejor, pero bajarán un poco tus FPS</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Max Players</source>
        <translation>Máx. jugadores</translation>
    </message>
    <message>
        <source>FPS Limit for LAN games</source>
        <translation>Límite de FPS en LAN</translation>
    </message>
    <message>
        <source>FPS Limit for Net Games</source>
        <translation>Límite de FPS en Internet</translation>
    </message>
    <message>
        <source>Pushlatency</source>
        <translation>Pushlatency</translation>
    </message>
    <message>
        <source>Dynamic Lighting</source>
        <translation>Luces dinámicas</translation>
    </message>
    <message>
        <source>Turns on/off dynamic lighting (light from rockets, explosions, your flashlight, etc.) Will increase your framerate a bit to disable this</source>
        <translation>Activa/desactiva la iluminación dinámica (la luz de cohetes, explosiones, tu linterna, etc.). Desactivarla subirá un poco tus FPS</translation>
    </message>
    <message>
        <source>gl_texsort</source>
        <translation>gl_texsort</translation>
    </message>
    <message>
        <source>On will make things a lot brighter, but off will increase framerate by quite a bit. Off may also cause some textures to disappear</source>
        <translation>Activado, todo se ve mucho más brillante, pero desactivado sube bastante los FPS. Desactivado también puede hacer que desaparezcan algunas texturas</translation>
    </message>
    <message>
        <source>Weapon Model</source>
        <translation>Modelo del arma</translation>
    </message>
    <message>
        <source>If off, the weapon model will be invisible. This will increase your framerate</source>
        <translation>Si está desactivado, el modelo del arma será invisible. Esto subirá tus FPS</translation>
    </message>
    <message>
        <source>Junctions</source>
        <translation>Uniones</translation>
    </message>
    <message>
        <source>On fills in cracks between polygons, making things look smoother etc. Off will increase perfomance a bit</source>
        <translation>Activado, rellena las grietas entre polígonos para que todo se vea más suave, etc. Desactivado mejora un poco el rendimiento</translation>
    </message>
    <message>
        <source>Decal Limit</source>
        <translation>Límite de decals</translation>
    </message>
    <message>
        <source>Z-trick</source>
        <translation>Z-trick</translation>
    </message>
    <message>
        <source>On should increase framerate a bit, but it may cause textures to flicker etc. on some systems</source>
        <translation>Activado debería subir un poco los FPS, pero en algunos sistemas puede hacer que las texturas parpadeen, etc.</translation>
    </message>
    <message>
        <source>Mod Dir:     (e.g. &quot;tfc&quot;)</source>
        <translation>Mod:     (p. ej. «tfc»)</translation>
    </message>
    <message>
        <source>Click this if you want to run Half-Life using a mod (such as Team Fortress Classic). Works only with v1.0.0.9 and above.</source>
        <translation>Márcalo si quieres iniciar Half-Life con un mod (como Team Fortress Classic). Solo funciona con la v1.0.0.9 o superior.</translation>
    </message>
    <message>
        <source>The directory of the mod you want to run (e.g.  tfc ). Works only with v1.0.0.9 and above.</source>
        <translation>La carpeta del mod que quieres jugar (p. ej.  tfc ). Solo funciona con la v1.0.0.9 o superior.</translation>
    </message>
    <message>
        <source>16 bit Sound</source>
        <translation>Audio de 16 bits</translation>
    </message>
    <message>
        <source>Off is 8-bit sound. 16 bit is better, but 8bit will speed things up slightly</source>
        <translation>Desactivado es audio de 8 bits. 16 bits suena mejor, pero 8 bits acelera un poco las cosas</translation>
    </message>
    <message>
        <source>High Sound Quality</source>
        <translation>Audio de alta calidad</translation>
    </message>
    <message>
        <source>Better quality sound, will slow things down a bit though</source>
        <translation>Audio de mejor calidad, aunque ralentiza un poco las cosas</translation>
    </message>
    <message>
        <source>Reverb Effects</source>
        <translation>Reverberación</translation>
    </message>
    <message>
        <source>Reverb effects, off will speed things up slightly</source>
        <translation>Efectos de reverberación; desactivarlos acelera un poco las cosas</translation>
    </message>
    <message>
        <source>Max Performance Sound</source>
        <translation>Audio de máx. rendimiento</translation>
    </message>
    <message>
        <source>Off is max compatibility. Turn this off if you&apos;re having problems with sound skipping/stuttering/etc.</source>
        <translation>Desactivado es máxima compatibilidad. Desactívalo si el audio se corta, tartamudea, etc.</translation>
    </message>
    <message>
        <source>EAX Sound</source>
        <translation>Audio EAX</translation>
    </message>
    <message>
        <source>Turn this on if you have an EAX compatible soundcard</source>
        <translation>Actívalo si tienes una tarjeta de sonido compatible con EAX</translation>
    </message>
    <message>
        <source>A3D Sound</source>
        <translation>Audio A3D</translation>
    </message>
    <message>
        <source>Turn this on if you have an A3D compatible soundcard</source>
        <translation>Actívalo si tienes una tarjeta de sonido compatible con A3D</translation>
    </message>
    <message>
        <source>I&apos;m getting a &quot;DIR not found!&quot; error, but the dir exists!</source>
        <translation>Me sale el error «¡Falta la carpeta!», ¡pero existe!</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones generales de Qt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
</context>
<context>
    <name>SetupCheck</name>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Elige la carpeta de Half-Life con «Buscar», junto a «Ruta».</translation>
    </message>
    <message>
        <source>No Half-Life folder has been chosen in Vantor yet: this is where Half-Life usually is.</source>
        <translation>Todavía no se ha elegido ninguna carpeta de Half-Life en Vantor: aquí es donde suele estar Half-Life.</translation>
    </message>
    <message>
        <source>The Half-Life folder %1 is not there.</source>
        <translation>La carpeta de Half-Life %1 no existe.</translation>
    </message>
    <message>
        <source>%1 holds none of hl.sh, hl_linux and hl.exe.</source>
        <translation>%1 no contiene ni hl.sh, ni hl_linux, ni hl.exe.</translation>
    </message>
    <message>
        <source>Choose the folder that holds Half-Life and its valve folder with Browse, or install Half-Life in Steam.</source>
        <translation>Elige con «Buscar» la carpeta que contiene Half-Life y su carpeta valve, o instala Half-Life con Steam.</translation>
    </message>
    <message>
        <source>The Linux edition of Half-Life (%1) in %2.</source>
        <translation>La edición para Linux de Half-Life (%1) en %2.</translation>
    </message>
    <message>
        <source>Only the Windows edition of Half-Life (hl.exe) is in %1, and wine is not installed to run it.</source>
        <translation>En %1 solo está la edición para Windows de Half-Life (hl.exe), y wine, que la ejecutaría, no está instalado.</translation>
    </message>
    <message>
        <source>Install wine, or the Linux edition of Half-Life through Steam.</source>
        <translation>Instala wine, o la edición para Linux de Half-Life a través de Steam.</translation>
    </message>
    <message>
        <source>The Windows edition of Half-Life (hl.exe) in %1.</source>
        <translation>La edición para Windows de Half-Life (hl.exe) en %1.</translation>
    </message>
    <message>
        <source>Not installed by Steam: Vantor starts the game itself.</source>
        <translation>No instalado por Steam: Vantor inicia el juego por su cuenta.</translation>
    </message>
    <message>
        <source>the native Steam client</source>
        <translation>el cliente nativo de Steam</translation>
    </message>
    <message>
        <source>the Flatpak&apos;s Steam client</source>
        <translation>el cliente de Steam de Flatpak</translation>
    </message>
    <message>
        <source>the Snap&apos;s Steam client</source>
        <translation>el cliente de Steam de Snap</translation>
    </message>
    <message>
        <source>Installed by Steam, but no Steam client is installed here to start it through: Vantor starts the game itself.</source>
        <translation>Instalado por Steam, pero aquí no hay ningún cliente de Steam instalado para iniciarlo: Vantor inicia el juego por su cuenta.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library that no Steam client here lists.</source>
        <translation>Instalado por Steam, en una biblioteca que no figura en la lista de ningún cliente de Steam de aquí.</translation>
    </message>
    <message>
        <source>Add the library in Steam&apos;s settings (Storage), so that Steam finds the game that Vantor asks it to start.</source>
        <translation>Añade la biblioteca en los ajustes de Steam (Almacenamiento), para que Steam encuentre el juego que Vantor le pide iniciar.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library of %1, which starts it.</source>
        <translation>Instalado por Steam, en una biblioteca que gestiona %1, que lo inicia.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, versión %2</translation>
    </message>
    <message>
        <source>The branch that Steam installed: %1.</source>
        <translation>La rama que instaló Steam: %1.</translation>
    </message>
    <message>
        <source>The branch chosen in Steam, %1, is not installed yet.</source>
        <translation>La rama elegida en Steam, %1, aún no está instalada.</translation>
    </message>
    <message>
        <source>Start Steam and let it finish updating Half-Life.</source>
        <translation>Abre Steam y deja que termine de actualizar Half-Life.</translation>
    </message>
    <message>
        <source>the default one (the 25th-anniversary build)</source>
        <translation>la predeterminada (la versión del 25.º aniversario)</translation>
    </message>
    <message>
        <source>steam_legacy (the build from before the 25th-anniversary update)</source>
        <translation>steam_legacy (la versión de antes de la actualización del 25.º aniversario)</translation>
    </message>
    <message>
        <source>The 32-bit libraries that the game needs are there: the loader, the C library, OpenGL and its driver.</source>
        <translation>Están las bibliotecas de 32 bits que necesita el juego: el cargador, la biblioteca C, OpenGL y su controlador.</translation>
    </message>
    <message>
        <source>The 32-bit loader (/lib/ld-linux.so.2) is missing.</source>
        <translation>Falta el cargador de 32 bits (/lib/ld-linux.so.2).</translation>
    </message>
    <message>
        <source>The 32-bit C library (libc.so.6) is missing.</source>
        <translation>Falta la biblioteca C de 32 bits (libc.so.6).</translation>
    </message>
    <message>
        <source>The 32-bit OpenGL library (libGL.so.1) is missing.</source>
        <translation>Falta la biblioteca OpenGL de 32 bits (libGL.so.1).</translation>
    </message>
    <message>
        <source>No 32-bit OpenGL driver is installed (Mesa&apos;s libGLX_mesa.so.0 with its dri folder, or NVIDIA&apos;s libGLX_nvidia.so.0).</source>
        <translation>No hay ningún controlador OpenGL de 32 bits instalado (libGLX_mesa.so.0 de Mesa con su carpeta dri, o libGLX_nvidia.so.0 de NVIDIA).</translation>
    </message>
    <message>
        <source>Steam starts the game with its own runtime, which brings the game&apos;s other libraries but not these.</source>
        <translation>Steam inicia el juego con su propio runtime, que trae las demás bibliotecas del juego, pero no estas.</translation>
    </message>
    <message>
        <source>The Steam client is running, as this edition of Half-Life needs.</source>
        <translation>El cliente de Steam está abierto, como necesita esta edición de Half-Life.</translation>
    </message>
    <message>
        <source>Only the Flatpak&apos;s Steam client is running, which a game that Vantor starts itself may not reach.</source>
        <translation>Solo está abierto el cliente de Steam de Flatpak, y puede que un juego que Vantor inicia por su cuenta no llegue a él.</translation>
    </message>
    <message>
        <source>Start the native Steam client, or choose the Half-Life folder of the Flatpak&apos;s Steam library so that Vantor starts the game through it.</source>
        <translation>Abre el cliente nativo de Steam, o elige la carpeta de Half-Life de la biblioteca de Steam de Flatpak para que Vantor inicie el juego a través de él.</translation>
    </message>
    <message>
        <source>The Steam client is not running, and this edition of Half-Life needs it.</source>
        <translation>El cliente de Steam no está abierto, y esta edición de Half-Life lo necesita.</translation>
    </message>
    <message>
        <source>The mod folder %1 is not in the Half-Life folder.</source>
        <translation>La carpeta del mod %1 no está en la carpeta de Half-Life.</translation>
    </message>
    <message>
        <source>Install the mod into the Half-Life folder, or turn the Mod field off.</source>
        <translation>Instala el mod en la carpeta de Half-Life, o desmarca la casilla «Mod».</translation>
    </message>
    <message>
        <source>The folder %1 holds no liblist.gam, so the game does not take it for a mod.</source>
        <translation>La carpeta %1 no contiene liblist.gam, así que el juego no la toma por un mod.</translation>
    </message>
    <message>
        <source>Install the mod whole, or choose another with the Mod field.</source>
        <translation>Instala el mod completo, o elige otro en el campo «Mod».</translation>
    </message>
    <message>
        <source>The mod %1 and its liblist.gam are there.</source>
        <translation>El mod %1 y su liblist.gam están en su sitio.</translation>
    </message>
    <message>
        <source>The mod %1 has no Linux library.</source>
        <translation>El mod %1 no tiene biblioteca para Linux.</translation>
    </message>
    <message>
        <source>Mods made before the 25th-anniversary update need Steam&apos;s steam_legacy branch: should this one fail, choose that branch in Steam (Half-Life&apos;s Properties, Betas).</source>
        <translation>Los mods hechos antes de la actualización del 25.º aniversario necesitan la rama steam_legacy de Steam: si este falla, elige esa rama en Steam (Propiedades de Half-Life, Betas).</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 32-bit Linux library.</source>
        <translation>La biblioteca %2 del mod %1 es una biblioteca de Linux de 32 bits.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1, which its liblist.gam names, is not there.</source>
        <translation>La biblioteca %2 del mod %1, que indica su liblist.gam, no existe.</translation>
    </message>
    <message>
        <source>Install the mod again, whole.</source>
        <translation>Vuelve a instalar el mod completo.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 64-bit library, which the 32-bit game cannot load.</source>
        <translation>La biblioteca %2 del mod %1 es de 64 bits, y el juego, de 32 bits, no puede cargarla.</translation>
    </message>
    <message>
        <source>Get the mod&apos;s 32-bit (i386) build for Linux.</source>
        <translation>Consigue la versión de 32 bits (i386) del mod para Linux.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a Windows library.</source>
        <translation>La biblioteca %2 del mod %1 es una biblioteca de Windows.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is no library that the game can load.</source>
        <translation>La biblioteca %2 del mod %1 no es una que el juego pueda cargar.</translation>
    </message>
    <message>
        <source>The game&apos;s files have inode numbers that the 32-bit game can take (%1 looked at).</source>
        <translation>Los archivos del juego tienen números de inodo que el juego de 32 bits admite (%1 comprobados).</translation>
    </message>
    <message>
        <source>%1 of %2 files looked at in the game folder have inode numbers above 32 bits, and the 32-bit game fails to find such files.</source>
        <translation>%1 de %2 archivos comprobados en la carpeta del juego tienen números de inodo de más de 32 bits, y el juego de 32 bits no encuentra esos archivos.</translation>
    </message>
    <message>
        <source>Move the game to a file system that hands out 32-bit inode numbers, such as ext4 or XFS mounted with inode32, copying its files anew.</source>
        <translation>Mueve el juego a un sistema de archivos que asigne números de inodo de 32 bits, como ext4 o XFS montado con inode32, copiando de nuevo sus archivos.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client may use the library %1.</source>
        <translation>El cliente de Steam de Flatpak puede usar la biblioteca %1.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client has not been given the library %1.</source>
        <translation>Al cliente de Steam de Flatpak no se le ha dado acceso a la biblioteca %1.</translation>
    </message>
    <message>
        <source>Give it the library: %1</source>
        <translation>Dale acceso a la biblioteca: %1</translation>
    </message>
    <message>
        <source>Vantor can write its CFG file into %1.</source>
        <translation>Vantor puede escribir su archivo CFG en %1.</translation>
    </message>
    <message>
        <source>Vantor cannot write its CFG file into %1: the folder is missing or not writable.</source>
        <translation>Vantor no puede escribir su archivo CFG en %1: la carpeta no existe o no se puede escribir en ella.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder, the one that holds valve, with Browse; or make valve writable for you.</source>
        <translation>Elige con «Buscar» la carpeta de Half-Life, la que contiene valve; o da a tu usuario permiso de escritura en valve.</translation>
    </message>
    <message>
        <source>[ok]</source>
        <translation>[ok]</translation>
    </message>
    <message>
        <source>[warning]</source>
        <translation>[aviso]</translation>
    </message>
    <message>
        <source>[blocks]</source>
        <translation>[error]</translation>
    </message>
    <message numerus="yes">
        <source>Half-Life will not start: %n thing(s) stop it.</source>
        <translation>
            <numerusform>Half-Life no arrancará: %n problema lo impide.</numerusform>
            <numerusform>Half-Life no arrancará: %n problemas lo impiden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life, but mind the warnings.</source>
        <translation>Nada de lo que Vantor comprueba impide que Half-Life arranque, pero atiende a los avisos.</translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life.</source>
        <translation>Nada de lo que Vantor comprueba impide que Half-Life arranque.</translation>
    </message>
    <message>
        <source>Vantor&apos;s report on Half-Life</source>
        <translation>Informe de Vantor sobre Half-Life</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Comando de inicio:</translation>
    </message>
    <message>
        <source>CFG lines:</source>
        <translation>Líneas del CFG:</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Rama:</translation>
    </message>
    <message>
        <source>not installed by Steam</source>
        <translation>no instalado por Steam</translation>
    </message>
    <message>
        <source>Setup check:</source>
        <translation>Comprobación de la instalación:</translation>
    </message>
    <message>
        <source>The game&apos;s last lines (%1):</source>
        <translation>Las últimas líneas del juego (%1):</translation>
    </message>
</context>
<context>
    <name>Skill</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Loads the options of slot &lt;N&gt; (1 to 3) instead of the Default slot.</source>
        <translation>Carga las opciones de la ranura &lt;N&gt; (1 a 3) en lugar de la ranura de inicio.</translation>
    </message>
    <message>
        <source>Prints what Run would start, as a shell would run it, then the CFG file that it would write (none in the directory-not-found mode). Writes nothing.</source>
        <translation>Muestra lo que iniciaría «¡Jugar a Half-Life!», tal como lo ejecutaría un shell, y después el archivo CFG que escribiría (ninguno en el modo de carpeta no encontrada). No escribe nada.</translation>
    </message>
    <message>
        <source>Does what &quot;Run Half-Life Now!&quot; does, then ends.</source>
        <translation>Hace lo mismo que «¡Jugar a Half-Life!» y luego termina.</translation>
    </message>
    <message>
        <source>could not start the game: %1</source>
        <translation>no se pudo iniciar el juego: %1</translation>
    </message>
    <message>
        <source>no Game directory has been chosen; choose one in Vantor&apos;s window</source>
        <translation>no se ha elegido ninguna carpeta del juego; elige una en la ventana de Vantor</translation>
    </message>
    <message>
        <source>could not write the CFG file %1</source>
        <translation>no se pudo escribir el archivo CFG %1</translation>
    </message>
    <message>
        <source>vantor: Steam starts Half-Life in its own environment, so %1 is left out: it belongs in Steam&apos;s launch options for Half-Life
</source>
        <translation>vantor: Steam inicia Half-Life en su propio entorno, así que se omite %1: debe ir en las opciones de lanzamiento de Half-Life en Steam
</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1). Its last lines:</source>
        <translation>Half-Life se cerró enseguida (%1). Sus últimas líneas:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Toda su salida: %1</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Consulta --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado «%1»; consulta --help</translation>
    </message>
    <message>
        <source>--print and --run cannot go together</source>
        <translation>--print y --run no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--slot takes 1, 2 or 3, not &apos;%1&apos;</source>
        <translation>--slot admite 1, 2 o 3, no «%1»</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life</source>
        <translation>Vantor no pudo iniciar Half-Life</translation>
    </message>
    <message>
        <source>Slot %1 is not saved</source>
        <translation>La ranura %1 no está guardada</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1).</source>
        <translation>Half-Life se cerró enseguida (%1).</translation>
    </message>
    <message>
        <source>Vantor&apos;s window needs a graphical session (X11 or Wayland); vantor --print and vantor --run work without one</source>
        <translation>la ventana de Vantor necesita una sesión gráfica (X11 o Wayland); vantor --print y vantor --run funcionan sin ella</translation>
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
        <translation>Ajusta las opciones de Half-Life e inicia el juego.

--print, --run y --check no muestran ninguna ventana ni preguntan nada. Código de salida:
  0  hecho; con --run, el juego se inició
  1  las opciones son incorrectas
  2  la ranura pedida no está guardada
  3  no se ha elegido ninguna carpeta del juego en la ventana
  4  no se pudo escribir el archivo CFG
  5  no se pudo iniciar el juego
  6  el juego se cerró enseguida
  7  --check encontró algo que impide que el juego arranque</translation>
    </message>
    <message>
        <source>Checks Half-Life&apos;s setup, line by line: what will stop the game, and what to do about it. Reads only.</source>
        <translation>Comprueba la instalación de Half-Life línea a línea: qué impedirá que el juego arranque y qué hacer al respecto. Solo lee.</translation>
    </message>
    <message>
        <source>With --run: says why the game could not be started in a desktop notification, or a message window, as the desktop menu&apos;s entries do; for a slot that is not saved it offers to open Vantor. With --check: says what the check found there.</source>
        <translation>Con --run: si el juego no se pudo iniciar, explica por qué en una notificación del escritorio o en una ventana de mensaje, como hacen las entradas del menú del escritorio; si la ranura no está guardada, ofrece abrir Vantor. Con --check: cuenta ahí lo que encontró la comprobación de la instalación.</translation>
    </message>
    <message>
        <source>--check cannot go with --print or --run</source>
        <translation>--check no se puede usar junto con --print ni --run</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select a map:</source>
        <translation>Elegir mapa:</translation>
    </message>
    <message>
        <source>Click on the map you want to run when Half-Life starts.</source>
        <translation>Haz clic en el mapa que quieres cargar al iniciar Half-Life.</translation>
    </message>
    <message>
        <source>Select a cfg:</source>
        <translation>Elegir CFG:</translation>
    </message>
    <message>
        <source>Click on the cfg file you want to execute when Half-Life starts.</source>
        <translation>Haz clic en el archivo CFG que quieres ejecutar al iniciar Half-Life.</translation>
    </message>
</context>
<context>
    <name>vantor::Form1</name>
    <message>
        <source>Vantor, by Tovrik</source>
        <translation>Vantor, de Tovrik</translation>
    </message>
    <message>
        <source>Steam starts Half-Life in its own environment, so Vantor leaves out %1: they belong in Steam&apos;s launch options for Half-Life.</source>
        <translation>Steam inicia Half-Life en su propio entorno, así que Vantor omite %1: eso va en las opciones de lanzamiento de Half-Life en Steam.</translation>
    </message>
    <message>
        <source>Paste Command Line or CFG</source>
        <translation>Pegar línea de comandos o CFG</translation>
    </message>
    <message>
        <source>Bring in Steam&apos;s Launch Options</source>
        <translation>Traer opciones de lanzamiento de Steam</translation>
    </message>
    <message>
        <source>Steam keeps no launch options for Half-Life</source>
        <translation>Steam no tiene opciones de lanzamiento para Half-Life</translation>
    </message>
    <message numerus="yes">
        <source>%n options set</source>
        <translation>
            <numerusform>%n opción aplicada</numerusform>
            <numerusform>%n opciones aplicadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n lines not used</source>
        <translation>
            <numerusform>, %n línea sin usar</numerusform>
            <numerusform>, %n líneas sin usar</numerusform>
        </translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Cargar:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot:</source>
        <translation>Cargar las opciones guardadas en la ranura:</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot:</source>
        <translation>Guardar las opciones actuales de Vantor en la ranura:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot %1</source>
        <translation>Cargar las opciones guardadas en la ranura %1</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Cargar ranura %1</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot %1</source>
        <translation>Guardar las opciones actuales de Vantor en la ranura %1</translation>
    </message>
    <message>
        <source>Save Slot %1</source>
        <translation>Guardar ranura %1</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>Load options from this slot when Vantor loads:</source>
        <translation>Cargar las opciones de esta ranura al abrir Vantor:</translation>
    </message>
    <message>
        <source>Default Slot %1</source>
        <translation>Ranura de inicio %1</translation>
    </message>
    <message>
        <source>Set options saved in slot %1 as the default options</source>
        <translation>Cargar al abrir Vantor las opciones guardadas en la ranura %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help, About, etc.</source>
        <translation>Ayuda, Acerca de, etc.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Select the map you want to load when Half-Life runs</source>
        <translation>Elige el mapa que quieres cargar al iniciar Half-Life</translation>
    </message>
    <message>
        <source>Browse for a map</source>
        <translation>Buscar un mapa</translation>
    </message>
    <message>
        <source>Select a CFG you want to execute when Half-Life loads</source>
        <translation>Elige un CFG para ejecutarlo al cargar Half-Life</translation>
    </message>
    <message>
        <source>Browse for a CFG file</source>
        <translation>Buscar un archivo CFG</translation>
    </message>
    <message>
        <source>Multiplayer Options</source>
        <translation>Multijugador</translation>
    </message>
    <message>
        <source>Multiplayer-related options</source>
        <translation>Opciones relacionadas con el multijugador</translation>
    </message>
    <message>
        <source>Performance, Mod (Custom Game) and Sound Options</source>
        <translation>Rendimiento, mod (juego personalizado) y sonido</translation>
    </message>
    <message>
        <source>Options to help increase framerate (at a cost), to start Half-Life using a mod (user modification such as TFC), and sound related options.</source>
        <translation>Opciones para subir los FPS (a un precio), para iniciar Half-Life con un mod (una modificación hecha por usuarios, como TFC) y opciones de sonido.</translation>
    </message>
    <message>
        <source>Go to  Corvana!</source>
        <translation>¡Ir a  Corvana!</translation>
    </message>
    <message>
        <source>Go to Corvana!</source>
        <translation>¡Ir a Corvana!</translation>
    </message>
    <message>
        <source>Browse to your \half-life\ directory.</source>
        <translation>Busca tu carpeta \half-life\.</translation>
    </message>
    <message>
        <source>Browse for the Half-Life folder</source>
        <translation>Buscar la carpeta de Half-Life</translation>
    </message>
    <message>
        <source>Makes a CFG file in your Valve\ dir, using the current settings. You can execute it by typing &quot;exec whatever.cfg&quot; in the console</source>
        <translation>Crea un archivo CFG en tu carpeta Valve\ con los ajustes actuales. Puedes ejecutarlo escribiendo «exec loquesea.cfg» en la consola</translation>
    </message>
    <message>
        <source>CFG file name</source>
        <translation>Nombre del archivo CFG</translation>
    </message>
    <message>
        <source>Runs Half-Life using the current Vantor settings</source>
        <translation>Inicia Half-Life con los ajustes actuales de Vantor</translation>
    </message>
    <message>
        <source>Deletes all Vantor saves from the registry</source>
        <translation>Borra del registro todo lo que Vantor ha guardado</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Resets settings to the Vantor defaults (not Half-Life defaults). Will not wipe saved settings. Vantor will have to be restarted</source>
        <translation>Vuelve a los ajustes por defecto de Vantor (no a los de Half-Life). No borra los ajustes guardados. Tendrás que reiniciar Vantor</translation>
    </message>
    <message>
        <source>Exit Vantor</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Umm.... guess.</source>
        <translation>Mmm.... adivina.</translation>
    </message>
    <message>
        <source>Back to General Options</source>
        <translation>Volver a las opciones</translation>
    </message>
    <message>
        <source>Read the button</source>
        <translation>Lee el botón</translation>
    </message>
    <message>
        <source>Back to General Options from Multiplayer</source>
        <translation>Volver a las opciones desde Multijugador</translation>
    </message>
    <message>
        <source>Performance Options</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Mod/Custom Game Options</source>
        <translation>Mod/Juego personalizado</translation>
    </message>
    <message>
        <source>Warning: Use only with Half-Life v1.0.0.9 and above!</source>
        <translation>Aviso: ¡solo con Half-Life v1.0.0.9 o superior!</translation>
    </message>
    <message>
        <source>Back to General Options from Performance, Mod and Sound</source>
        <translation>Volver a las opciones desde Rendimiento, mod y sonido</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The author&apos;s page</source>
        <translation>La web del autor</translation>
    </message>
    <message>
        <source>Go to the Vantor page for info/etc.</source>
        <translation>Ir a la web de Vantor (info, etc.)</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Feeling depressed?</source>
        <translation>¿Estás deprimido?</translation>
    </message>
    <message>
        <source>Back to General Options from Help</source>
        <translation>Volver a las opciones desde Ayuda</translation>
    </message>
    <message>
        <source>Brask - a comic strip by the author of Vantor</source>
        <translation>Brask — una tira cómica del autor de Vantor</translation>
    </message>
    <message>
        <source>Picture of comic panel %1</source>
        <translation>Imagen de la viñeta %1</translation>
    </message>
    <message>
        <source>&lt;- Scroll Left</source>
        <translation>&lt;- Izquierda</translation>
    </message>
    <message>
        <source>Scroll Right  -&gt;</source>
        <translation>Derecha  -&gt;</translation>
    </message>
    <message>
        <source>Comic panel %1</source>
        <translation>Viñeta %1</translation>
    </message>
    <message>
        <source>Back to Help</source>
        <translation>Volver a Ayuda</translation>
    </message>
    <message>
        <source>Still feeling depressed?</source>
        <translation>¿Sigues deprimido?</translation>
    </message>
    <message>
        <source>the system did not start it</source>
        <translation>el sistema no lo inició</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
    <message>
        <source>Could not start the game: %1</source>
        <translation>No se pudo iniciar el juego: %1</translation>
    </message>
    <message>
        <source>Half-Life ended as soon as it started (%1).</source>
        <translation>Half-Life se cerró nada más arrancar (%1).</translation>
    </message>
    <message>
        <source>Its last lines:</source>
        <translation>Sus últimas líneas:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Toda su salida: %1</translation>
    </message>
    <message>
        <source>Please select your \Half-Life\ directory:</source>
        <translation>Elige tu carpeta \Half-Life\:</translation>
    </message>
    <message>
        <source>Steam adds its own launch options: %1</source>
        <translation>Steam añade sus propias opciones de lanzamiento: %1</translation>
    </message>
    <message>
        <source>Brask, a round orange fellow, stands sadly in the rain under a grey cloud: &quot;Rainy day. And my game will not start...&quot; Pim, a little blue bird, flies up: &quot;Cheer up, Brask! Let us have a look.&quot;</source>
        <translation>Brask, un tipo redondo y naranja, está triste bajo la lluvia y una nube gris: «Día de lluvia. Y mi juego no arranca…». Pim, un pajarito azul, se acerca volando: «¡Ánimo, Brask! Vamos a echar un vistazo».</translation>
    </message>
    <message>
        <source>Indoors, a computer&apos;s screen says &quot;Dir not found!&quot; Brask, surprised: &quot;Oh! It looks in the wrong folder!&quot; Pim: &quot;Browse for the game!&quot;</source>
        <translation>Dentro, la pantalla de un ordenador dice «Dir not found!» (carpeta no encontrada). Brask, sorprendido: «¡Oh! ¡Busca en la carpeta equivocada!». Pim: «¡Busca la carpeta del juego!».</translation>
    </message>
    <message>
        <source>Outside in the sunshine, among stars, Brask beams: &quot;It runs! Thanks, Pim!&quot; Pim: &quot;Told you, Brask. Happy gaming!&quot;</source>
        <translation>Fuera, al sol y entre estrellas, Brask sonríe de oreja a oreja: «¡Funciona! ¡Gracias, Pim!». Pim: «Te lo dije, Brask. ¡A jugar!».</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Turns most options off: those that only a CFG file can carry, since Vantor then writes none.</source>
        <translation>Desactiva la mayoría de las opciones: las que solo puede llevar un archivo CFG, ya que Vantor entonces no escribe ninguno.</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>The screen now says &quot;Half-Life OK&quot;. Pim: &quot;Now press &apos;%1&apos;&quot; Brask, smiling: &quot;There it is! The game folder.&quot;</source>
        <translation>Ahora la pantalla dice «Half-Life OK». Pim: «Ahora pulsa “%1”». Brask, sonriente: «¡Ahí está! La carpeta del juego».</translation>
    </message>
    <message>
        <source>Check Setup</source>
        <translation>Comprobar instalación</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Copiar informe</translation>
    </message>
    <message>
        <source>Mend Custom Parameters, then run the game again.</source>
        <translation>Corrige los «Parámetros extra» y vuelve a iniciar el juego.</translation>
    </message>
    <message>
        <source>The Half-Life folder lies in a Steam library, so Vantor asked the Steam client to start the game.</source>
        <translation>La carpeta de Half-Life está en una biblioteca de Steam, así que Vantor pidió al cliente de Steam que iniciara el juego.</translation>
    </message>
    <message>
        <source>See that Steam is installed and starts, or choose another Half-Life folder with Browse beside HL Dir.</source>
        <translation>Comprueba que Steam esté instalado y arranque, o elige otra carpeta de Half-Life con «Buscar», junto a «Ruta».</translation>
    </message>
    <message>
        <source>In the directory-not-found mode, Vantor starts the hl.exe in its own folder, %1, else the one on the PATH.</source>
        <translation>En el modo «¡Falta la carpeta!», Vantor inicia el hl.exe de su propia carpeta, %1, o si no, el del PATH.</translation>
    </message>
    <message>
        <source>Turn that mode off on the Comic page and choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Desactiva ese modo en la página del cómic y elige la carpeta de Half-Life con «Buscar», junto a «Ruta».</translation>
    </message>
    <message>
        <source>Vantor looks in the Half-Life folder, %1, for hl.sh, then hl_linux, then hl.exe.</source>
        <translation>Vantor busca en la carpeta de Half-Life, %1, hl.sh, luego hl_linux y luego hl.exe.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir. Check Setup says what else may stop the game.</source>
        <translation>Elige la carpeta de Half-Life con «Buscar», junto a «Ruta». «Comprobar instalación» dice qué más puede impedir que el juego arranque.</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life.</source>
        <translation>Vantor no pudo iniciar Half-Life.</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Abrir log</translation>
    </message>
</context>
<context>
    <name>vantor::frmdirnotfound</name>
    <message>
        <source>Dir not Found  -  Help</source>
        <translation>Falta la carpeta — Ayuda</translation>
    </message>
    <message>
        <source>Error: Directory not found!</source>
        <translation>Error: ¡Falta la carpeta!</translation>
    </message>
    <message>
        <source>Either Vantor could not find the directory you specified in the &quot;HL Dir&quot; field, or it could not find a Valve\ or Valve\maps\ directory inside it. This may be because you specified the wrong directory, or it may be because of a compatibility bug in Vantor that only effects a few systems (don&apos;t know why or how to fix it). IF the directory shown in the &quot;HL Dir&quot; field is DEFINITELY CORRECT, you are probably one of the few people effected by the bug :(. Otherwise, click Browse and choose your Half-Life\ directory.</source>
        <translation>O Vantor no encontró la carpeta que pusiste en el campo «Ruta», o no encontró dentro una carpeta Valve\ o Valve\maps\. Puede que pusieras la carpeta equivocada, o puede ser por un bug de compatibilidad de Vantor que solo afecta a unos pocos sistemas (ni idea de por qué ni de cómo arreglarlo). SI la carpeta del campo «Ruta» es CORRECTA SEGURO, seguramente eres de los pocos afectados por el bug :(. Si no, pulsa «Buscar» y elige tu carpeta Half-Life\.</translation>
    </message>
    <message>
        <source>There is no proper fix for this yet: on a few systems Vantor cannot write to the disk, and nobody knows why. If you know what causes it, please send an e-mail; the contact details are on the Help page.</source>
        <translation>Aún no hay un arreglo de verdad: en unos pocos sistemas Vantor no puede escribir en el disco, y nadie sabe por qué. Si sabes qué lo causa, mándame un e-mail; los datos de contacto están en la página Ayuda.</translation>
    </message>
    <message>
        <source>There is a partial fix, however, which will let you use a few basic features. To get these features to work, click &quot;Help&quot; (on Vantor), then &quot;Feeling Depressed?&quot;. There should be a checkbox under the Brask strip. Turn it on.</source>
        <translation>Eso sí, hay un arreglo parcial que te deja usar algunas funciones básicas. Para que funcionen, pulsa «Ayuda» (en Vantor) y luego «¿Estás deprimido?». Debajo de la tira de Brask debería haber una casilla. Márcala.</translation>
    </message>
    <message>
        <source>Unusable options (almost all of them :(  ) will now be disabled. You can enable them again by going to Help/Depressed/ and unchecking the checkbox.</source>
        <translation>Las opciones que no se pueden usar (casi todas :(  ) quedarán desactivadas. Puedes volver a activarlas en Ayuda/¿Estás deprimido?/ desmarcando la casilla.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
