<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Caption</name>
    <message>
        <source>Run Half-Life Now!</source>
        <translation>Rodar Half-Life já!</translation>
    </message>
    <message>
        <source>Could not start hl.exe!</source>
        <translation>Erro ao rodar hl.exe!</translation>
    </message>
    <message>
        <source>Make CFG File:</source>
        <translation>Criar CFG:</translation>
    </message>
    <message>
        <source>CFG file created</source>
        <translation>CFG criado</translation>
    </message>
    <message>
        <source>Enter a filename!</source>
        <translation>Digite um nome!</translation>
    </message>
    <message>
        <source>Delete all saved settings</source>
        <translation>Apagar todos os slots</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Salvar:</translation>
    </message>
    <message>
        <source>Current Command Line:</source>
        <translation>Linha de comando atual:</translation>
    </message>
    <message>
        <source> ERROR: Dir not found!</source>
        <translation> ERRO: Pasta não encontrada!</translation>
    </message>
    <message>
        <source>This is the command line that will be executed, like from the DOS prompt</source>
        <translation>Esta é a linha de comando que vai ser executada, como se fosse no prompt do DOS</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>Not saved!</source>
        <translation>Não salvo!</translation>
    </message>
</context>
<context>
    <name>Causes</name>
    <message>
        <source>This edition of Half-Life needs the Steam client running: start Steam first, or choose the Half-Life folder of a Steam library with Browse, so that Vantor starts the game through Steam.</source>
        <translation>Esta edição do Half-Life precisa do cliente da Steam rodando: abra a Steam primeiro, ou use “Buscar” para escolher a pasta do Half-Life de uma biblioteca da Steam, para que o Vantor inicie o jogo pela Steam.</translation>
    </message>
    <message>
        <source>This edition of Half-Life needs the Steam client running, and no Steam client is installed here for Vantor to start the game through: install Steam (your distribution&apos;s package, or the Flatpak com.valvesoftware.Steam) or start the one you have, then run the game again.</source>
        <translation>Esta edição do Half-Life precisa do cliente da Steam rodando, e não há nenhum cliente da Steam instalado aqui para o Vantor iniciar o jogo por ele: instale a Steam (o pacote da sua distribuição ou o Flatpak com.valvesoftware.Steam) ou abra a que você tem, e depois rode o jogo de novo.</translation>
    </message>
    <message>
        <source>Half-Life was started without the libraries that come with it (libsteam_api.so, hw.so): start it through hl.sh, which sets them up, or through Steam.</source>
        <translation>O Half-Life foi iniciado sem as bibliotecas que vêm com ele (libsteam_api.so, hw.so): inicie pelo hl.sh, que as prepara, ou pela Steam.</translation>
    </message>
    <message>
        <source>Half-Life found no 32-bit OpenGL driver. %1</source>
        <translation>O Half-Life não encontrou nenhum driver OpenGL de 32 bits. %1</translation>
    </message>
    <message>
        <source>Half-Life is a 32-bit program, and the system lacks the 32-bit library %1 that it needs. %2</source>
        <translation>O Half-Life é um programa de 32 bits, e falta no sistema a biblioteca de 32 bits %1, de que ele precisa. %2</translation>
    </message>
    <message>
        <source>Half-Life could not open the sound device: put SDL_AUDIODRIVER=pulseaudio (or pipewire) in front of %command% in Custom Parameters, as in &quot;SDL_AUDIODRIVER=pulseaudio %command%&quot;.</source>
        <translation>O Half-Life não conseguiu abrir o dispositivo de som: coloque SDL_AUDIODRIVER=pulseaudio (ou pipewire) antes de %command% nos “Parâmetros extras”, assim: “SDL_AUDIODRIVER=pulseaudio %command%”.</translation>
    </message>
    <message>
        <source>The mod does not fit this build of Half-Life: a mod made before the 25th-anniversary update needs Steam&apos;s steam_legacy branch (in Steam, Half-Life&apos;s Properties, Betas), or this build of the mod is broken.</source>
        <translation>O mod não combina com esta versão do Half-Life: um mod feito antes da atualização de 25 anos precisa do branch steam_legacy da Steam (na Steam: Propriedades do Half-Life, Betas), ou esta versão do mod está quebrada.</translation>
    </message>
    <message>
        <source>the loader</source>
        <translation>o carregador</translation>
    </message>
    <message>
        <source>the C library</source>
        <translation>a biblioteca C</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>o OpenGL</translation>
    </message>
    <message>
        <source>an OpenGL driver</source>
        <translation>um driver OpenGL</translation>
    </message>
    <message>
        <source>the C++ library</source>
        <translation>a biblioteca C++</translation>
    </message>
    <message>
        <source>Install the :i386 package that holds it (apt-file search %1 names it), after sudo dpkg --add-architecture i386.</source>
        <translation>Instale o pacote :i386 que a contém (apt-file search %1 mostra qual é), depois de sudo dpkg --add-architecture i386.</translation>
    </message>
    <message>
        <source>Install the .i686 package that holds it (dnf provides %1 names it).</source>
        <translation>Instale o pacote .i686 que a contém (dnf provides %1 mostra qual é).</translation>
    </message>
    <message>
        <source>Install the lib32- package that holds it (pacman -F %1 names it).</source>
        <translation>Instale o pacote lib32- que a contém (pacman -F %1 mostra qual é).</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) package that holds it.</source>
        <translation>Instale o pacote de 32 bits (i386) da sua distribuição que a contém.</translation>
    </message>
    <message>
        <source>Install with: %1</source>
        <translation>Para instalar: %1</translation>
    </message>
    <message>
        <source>Install with (the multilib repository on in /etc/pacman.conf): %1</source>
        <translation>Para instalar (com o repositório multilib ativado no /etc/pacman.conf): %1</translation>
    </message>
    <message>
        <source>Install your distribution&apos;s 32-bit (i386) packages of %1.</source>
        <translation>Instale os pacotes de 32 bits (i386) da sua distribuição para %1.</translation>
    </message>
    <message>
        <source>The mod %1 has no library for Linux (its liblist.gam names no gamedll_linux): it runs only with the Windows edition of Half-Life, hl.exe through wine.</source>
        <translation>O mod %1 não tem biblioteca para Linux (o liblist.gam dele não indica nenhum gamedll_linux): ele só roda com a edição para Windows do Half-Life, o hl.exe pelo wine.</translation>
    </message>
    <message>
        <source>Vantor does not know this cause. Start Half-Life once from Steam, which sets up what the game needs, and read the game&apos;s log in full: its cause is often a few lines above the end.</source>
        <translation>O Vantor não conhece essa causa. Inicie o Half-Life uma vez pela Steam, que prepara o que o jogo precisa, e leia o log do jogo inteiro: a causa costuma estar algumas linhas antes do fim.</translation>
    </message>
</context>
<context>
    <name>DeleteAll</name>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Are you really, really sure?</source>
        <translation>Certeza mesmo, mesmo?</translation>
    </message>
    <message>
        <source>OK, they&apos;re deleted</source>
        <translation>OK, apaguei tudo</translation>
    </message>
    <message>
        <source>I just did that</source>
        <translation>Já fiz isso</translation>
    </message>
    <message>
        <source>No, really, I deleted them!</source>
        <translation>Não, sério, já apaguei!</translation>
    </message>
    <message>
        <source>Oh alright, I&apos;ll re-delete them</source>
        <translation>Tá bom, vou reapagar tudo</translation>
    </message>
    <message>
        <source>What, again?!?</source>
        <translation>Ué, de novo?!?</translation>
    </message>
    <message>
        <source>I&apos;m tired, go away</source>
        <translation>Cansei, me deixa</translation>
    </message>
    <message>
        <source>OK, but this is the last time</source>
        <translation>OK, mas é a última vez</translation>
    </message>
    <message>
        <source>STOP CLICKING ME!!!</source>
        <translation>PARA DE CLICAR!!!</translation>
    </message>
    <message>
        <source>You&apos;re starting to annoy me...</source>
        <translation>Tá começando a me irritar...</translation>
    </message>
    <message>
        <source>That&apos;s it! You&apos;re dead, man!</source>
        <translation>Pronto! Você já era, cara!</translation>
    </message>
</context>
<context>
    <name>GameWatch</name>
    <message>
        <source>a crash</source>
        <translation>um crash</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Its output could not be written to %1: %2</source>
        <translation>Não foi possível gravar a saída dele em %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchPrefix</name>
    <message>
        <source>%command% stands there more than once</source>
        <translation>%command% aparece mais de uma vez</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>tem uma aspa sem fechar</translation>
    </message>
    <message>
        <source>Custom Parameters cannot be read: %1</source>
        <translation>Não dá para ler os “Parâmetros extras”: %1</translation>
    </message>
    <message>
        <source>the wrapper %1 is not on the PATH</source>
        <translation>o wrapper %1 não está no PATH</translation>
    </message>
    <message>
        <source>a command substitution ($(…) or `…`) is never run</source>
        <translation>uma substituição de comando ($(…) ou `…`) nunca é executada</translation>
    </message>
    <message>
        <source>only $NAME and ${NAME} are expanded, not %1</source>
        <translation>só $NAME e ${NAME} são expandidos, não %1</translation>
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
        <translation>O arquivo BSP que você quer carregar quando o jogo começar (se quiser carregar algum)</translation>
    </message>
    <message>
        <source>For a 28.8 modem, your rate should be somewhere between 2000 and 3000, you need to try lots of different settings in the console to work out what&apos;s best for you</source>
        <translation>Para um modem de 28,8, o seu rate deve ficar em algum ponto entre 2000 e 3000; você vai ter que testar vários valores diferentes no console até descobrir o que é melhor para você</translation>
    </message>
    <message>
        <source>Maximum number of players that can be in a multiplayer game at once</source>
        <translation>Número máximo de jogadores que podem estar ao mesmo tempo numa partida multiplayer</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For LAN games, it shouldn&apos;t matter that much</source>
        <translation>Limita o seu FPS; se o FPS estiver alto demais, vai dar lag. Em jogos na LAN, isso não deve fazer tanta diferença</translation>
    </message>
    <message>
        <source>Limits your framerate, if your framerate is too high it will create lag. For a 28.8 modem, you&apos;d want to use around 22fps-28fps</source>
        <translation>Limita o seu FPS; se o FPS estiver alto demais, vai dar lag. Para um modem de 28,8, o ideal é usar uns 22–28 fps</translation>
    </message>
    <message>
        <source>The amount Half-Life should predict entity movement, this should be around the same as your ping time, try different settings in the console</source>
        <translation>O quanto o Half-Life deve prever o movimento das entidades; deve ficar mais ou menos igual ao seu ping, teste valores diferentes no console</translation>
    </message>
    <message>
        <source>The amount of decals (blood splats, bulletholes, etc.) that can exist at once. Having too many decals in the screen at once will decrease framerate by quite a lot</source>
        <translation>A quantidade de decals (manchas de sangue, marcas de tiro etc.) que podem existir ao mesmo tempo. Decals demais na tela de uma vez derrubam bastante o FPS</translation>
    </message>
    <message>
        <source>Numeric Ping</source>
        <translation>Ping numérico</translation>
    </message>
    <message>
        <source>Uses numeric ping times instead of the &quot;traffic light&quot; thingies.</source>
        <translation>Mostra o ping em números em vez daqueles trequinhos de “semáforo”.</translation>
    </message>
    <message>
        <source>Start in Console</source>
        <translation>Iniciar no console</translation>
    </message>
    <message>
        <source>When Half-Life loads, it&apos;ll go directly to the console instead of the main menu</source>
        <translation>Quando o Half-Life carregar, ele vai direto para o console em vez do menu principal</translation>
    </message>
    <message>
        <source>Allow Cheats</source>
        <translation>Permitir cheats</translation>
    </message>
    <message>
        <source>Allows you to use cheats if you want to. Warning!: If you&apos;re running a multiplayer server, it&apos;ll allow people to use cheats in the game</source>
        <translation>Deixa você usar cheats, se quiser. Atenção!: se você estiver rodando um servidor multiplayer, o pessoal também vai poder usar cheats no jogo</translation>
    </message>
    <message>
        <source>MMX Processor</source>
        <translation>Processador MMX</translation>
    </message>
    <message>
        <source>Enables MMX support. Do not use this unless you have an MMX enhanced processor</source>
        <translation>Ativa o suporte a MMX. Não use isso se o seu processador não tiver MMX</translation>
    </message>
    <message>
        <source>MouseLook (freelook)</source>
        <translation>MouseLook (freelook)</translation>
    </message>
    <message>
        <source>Mouse Filter</source>
        <translation>Filtro do mouse</translation>
    </message>
    <message>
        <source>Enabling this will make mouse movement a bit smoother, but it also makes it a bit harder to aim</source>
        <translation>Ativar isso deixa o movimento do mouse um pouco mais suave, mas também deixa a mira um pouco mais difícil</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Enables shadows, only works in hardware mode. Will decrease framerate a bit.</source>
        <translation>Ativa as sombras, só funciona no modo hardware. Vai derrubar um pouco o FPS.</translation>
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
        <translation>Use isto para executar um arquivo CFG com vários comandos quando o jogo carregar</translation>
    </message>
    <message>
        <source>You can use this to execute a CFG file containing various commands when the game loads (should end in &quot;.cfg&quot;)</source>
        <translation>Use isto para executar um arquivo CFG com vários comandos quando o jogo carregar (tem que terminar em “.cfg”)</translation>
    </message>
    <message>
        <source>Skill Level:</source>
        <translation>Dificuldade:</translation>
    </message>
    <message>
        <source>The difficulty level in single player</source>
        <translation>O nível de dificuldade no single player</translation>
    </message>
    <message>
        <source>Console Speed:</source>
        <translation>Vel. do console:</translation>
    </message>
    <message>
        <source>The speed that the console moves at when you bring it down/put it away. 600 is the default speed</source>
        <translation>A velocidade com que o console desce/sobe quando você abre/fecha ele. 600 é a velocidade padrão</translation>
    </message>
    <message>
        <source>Third Person View</source>
        <translation>Terceira pessoa</translation>
    </message>
    <message>
        <source>Shows everything from a third person (chasecam) view. Check Help for camera control info.</source>
        <translation>Mostra tudo numa visão em terceira pessoa (chasecam). Veja a Ajuda para saber como controlar a câmera.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Modo desenvolvedor</translation>
    </message>
    <message>
        <source>Advanced, displays a lot more information about what&apos;s going on in the console. Good for testing maps</source>
        <translation>Avançado, mostra no console muito mais informação sobre o que está acontecendo. Bom para testar mapas</translation>
    </message>
    <message>
        <source>Direct3D Flip</source>
        <translation>Flip Direct3D</translation>
    </message>
    <message>
        <source>If you experience input lag (takes a while for things to react to your controls in single and multiplayer), enabling this might fix it</source>
        <translation>Se você tiver input lag (as coisas demoram para reagir aos seus comandos, no single e no multiplayer), ativar isso pode resolver</translation>
    </message>
    <message>
        <source>Enable Joystick</source>
        <translation>Ativar joystick</translation>
    </message>
    <message>
        <source>Disabling the joystick increases performance slightly. Enable this if you want to use a joystick</source>
        <translation>Desativar o joystick melhora um pouquinho o desempenho. Ative isso se você quiser usar um joystick</translation>
    </message>
    <message>
        <source>HL Dir:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Your Half-Life directory location</source>
        <translation>O local da sua pasta do Half-Life</translation>
    </message>
    <message>
        <source>Save on Run (Slot 3)</source>
        <translation>Salvar no slot 3</translation>
    </message>
    <message>
        <source>Saves the current Vantor options in slot 3 before running Half-Life</source>
        <translation>Salva as opções atuais do Vantor no slot 3 antes de rodar o Half-Life</translation>
    </message>
    <message>
        <source>Close Vantor on Run</source>
        <translation>Fechar ao rodar</translation>
    </message>
    <message>
        <source>Closes Vantor after running Half-Life</source>
        <translation>Fecha o Vantor depois de rodar o Half-Life</translation>
    </message>
    <message>
        <source> Custom Parameters:</source>
        <translation> Parâmetros extras:</translation>
    </message>
    <message>
        <source>Advanced. If you want to add anything to the command line, type it here</source>
        <translation>Avançado. Se quiser acrescentar alguma coisa à linha de comando, digite aqui</translation>
    </message>
    <message>
        <source>DM Server</source>
        <translation>Servidor DM</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re running a DM server</source>
        <translation>Ative isso se você estiver rodando um servidor de DM</translation>
    </message>
    <message>
        <source>LAN Game</source>
        <translation>Jogo LAN</translation>
    </message>
    <message>
        <source>Turn this on if you&apos;re going to be playing multiplayer over a Local Area Network</source>
        <translation>Ative isso se você for jogar multiplayer numa rede local (LAN)</translation>
    </message>
    <message>
        <source>Allow Download</source>
        <translation>Permitir download</translation>
    </message>
    <message>
        <source>Allows HL to download maps, models, and decals from a multiplayer server. Will probably increase lag.</source>
        <translation>Deixa o HL baixar mapas, modelos e decals de um servidor multiplayer. Provavelmente vai aumentar o lag.</translation>
    </message>
    <message>
        <source>Allow Upload</source>
        <translation>Permitir upload</translation>
    </message>
    <message>
        <source>Allows Half-Life to upload your custom decals, models, etc. to the server, will increase lag while uploading</source>
        <translation>Deixa o Half-Life enviar os seus decals, modelos etc. personalizados para o servidor; vai aumentar o lag durante o envio</translation>
    </message>
    <message>
        <source>High Quality Models</source>
        <translation>Modelos detalhados</translation>
    </message>
    <message>
        <source>Turning this on makes models look better, but it&apos;ll decrease your framerate a bit</source>
        <translation>Ativar isso deixa os modelos mais bonitos, mas vai derrubar um pouco o seu FPS</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Max Players</source>
        <translation>Máx. jogadores</translation>
    </message>
    <message>
        <source>FPS Limit for LAN games</source>
        <translation>Limite de FPS na LAN</translation>
    </message>
    <message>
        <source>FPS Limit for Net Games</source>
        <translation>Limite de FPS na internet</translation>
    </message>
    <message>
        <source>Pushlatency</source>
        <translation>Pushlatency</translation>
    </message>
    <message>
        <source>Dynamic Lighting</source>
        <translation>Luz dinâmica</translation>
    </message>
    <message>
        <source>Turns on/off dynamic lighting (light from rockets, explosions, your flashlight, etc.) Will increase your framerate a bit to disable this</source>
        <translation>Liga/desliga a luz dinâmica (luz de foguetes, explosões, da sua lanterna etc.). Desligar isso aumenta um pouco o seu FPS</translation>
    </message>
    <message>
        <source>gl_texsort</source>
        <translation>gl_texsort</translation>
    </message>
    <message>
        <source>On will make things a lot brighter, but off will increase framerate by quite a bit. Off may also cause some textures to disappear</source>
        <translation>Ligado deixa tudo bem mais claro, mas desligado aumenta bastante o FPS. Desligado também pode fazer algumas texturas sumirem</translation>
    </message>
    <message>
        <source>Weapon Model</source>
        <translation>Modelo da arma</translation>
    </message>
    <message>
        <source>If off, the weapon model will be invisible. This will increase your framerate</source>
        <translation>Desligado, o modelo da arma fica invisível. Isso aumenta o seu FPS</translation>
    </message>
    <message>
        <source>Junctions</source>
        <translation>Junções</translation>
    </message>
    <message>
        <source>On fills in cracks between polygons, making things look smoother etc. Off will increase perfomance a bit</source>
        <translation>Ligado preenche as frestas entre os polígonos, deixando tudo mais liso etc. Desligado melhora um pouco o desempenho</translation>
    </message>
    <message>
        <source>Decal Limit</source>
        <translation>Limite de decals</translation>
    </message>
    <message>
        <source>Z-trick</source>
        <translation>Z-trick</translation>
    </message>
    <message>
        <source>On should increase framerate a bit, but it may cause textures to flicker etc. on some systems</source>
        <translation>Ligado deve aumentar um pouco o FPS, mas pode fazer as texturas piscarem etc. em alguns sistemas</translation>
    </message>
    <message>
        <source>Mod Dir:     (e.g. &quot;tfc&quot;)</source>
        <translation>Mod:     (ex.: “tfc”)</translation>
    </message>
    <message>
        <source>Click this if you want to run Half-Life using a mod (such as Team Fortress Classic). Works only with v1.0.0.9 and above.</source>
        <translation>Marque isto se quiser rodar o Half-Life com um mod (como o Team Fortress Classic). Só funciona na v1.0.0.9 ou superior.</translation>
    </message>
    <message>
        <source>The directory of the mod you want to run (e.g.  tfc ). Works only with v1.0.0.9 and above.</source>
        <translation>A pasta do mod que você quer rodar (ex.:  tfc ). Só funciona na v1.0.0.9 ou superior.</translation>
    </message>
    <message>
        <source>16 bit Sound</source>
        <translation>Som de 16 bits</translation>
    </message>
    <message>
        <source>Off is 8-bit sound. 16 bit is better, but 8bit will speed things up slightly</source>
        <translation>Desligado é som de 8 bits. 16 bits é melhor, mas 8 bits deixa tudo um pouquinho mais rápido</translation>
    </message>
    <message>
        <source>High Sound Quality</source>
        <translation>Som de qualidade</translation>
    </message>
    <message>
        <source>Better quality sound, will slow things down a bit though</source>
        <translation>Som de melhor qualidade, mas deixa as coisas um pouco mais lentas</translation>
    </message>
    <message>
        <source>Reverb Effects</source>
        <translation>Reverberação</translation>
    </message>
    <message>
        <source>Reverb effects, off will speed things up slightly</source>
        <translation>Efeitos de reverberação; desligado deixa tudo um pouquinho mais rápido</translation>
    </message>
    <message>
        <source>Max Performance Sound</source>
        <translation>Som: desempenho máx.</translation>
    </message>
    <message>
        <source>Off is max compatibility. Turn this off if you&apos;re having problems with sound skipping/stuttering/etc.</source>
        <translation>Desligado é compatibilidade máxima. Desligue isso se o som estiver pulando/engasgando/etc.</translation>
    </message>
    <message>
        <source>EAX Sound</source>
        <translation>Som EAX</translation>
    </message>
    <message>
        <source>Turn this on if you have an EAX compatible soundcard</source>
        <translation>Ative isso se você tiver uma placa de som compatível com EAX</translation>
    </message>
    <message>
        <source>A3D Sound</source>
        <translation>Som A3D</translation>
    </message>
    <message>
        <source>Turn this on if you have an A3D compatible soundcard</source>
        <translation>Ative isso se você tiver uma placa de som compatível com A3D</translation>
    </message>
    <message>
        <source>I&apos;m getting a &quot;DIR not found!&quot; error, but the dir exists!</source>
        <translation>Dá “Pasta não encontrada!”, mas a pasta existe!</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda das opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções gerais do Qt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
</context>
<context>
    <name>SetupCheck</name>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Escolha a pasta do Half-Life com “Buscar”, ao lado de “Pasta”.</translation>
    </message>
    <message>
        <source>No Half-Life folder has been chosen in Vantor yet: this is where Half-Life usually is.</source>
        <translation>Nenhuma pasta do Half-Life foi escolhida no Vantor ainda: é aqui que o Half-Life costuma ficar.</translation>
    </message>
    <message>
        <source>The Half-Life folder %1 is not there.</source>
        <translation>A pasta do Half-Life %1 não existe.</translation>
    </message>
    <message>
        <source>%1 holds none of hl.sh, hl_linux and hl.exe.</source>
        <translation>%1 não tem nem hl.sh, nem hl_linux, nem hl.exe.</translation>
    </message>
    <message>
        <source>Choose the folder that holds Half-Life and its valve folder with Browse, or install Half-Life in Steam.</source>
        <translation>Escolha com “Buscar” a pasta que tem o Half-Life e a pasta valve dele, ou instale o Half-Life pela Steam.</translation>
    </message>
    <message>
        <source>The Linux edition of Half-Life (%1) in %2.</source>
        <translation>A edição para Linux do Half-Life (%1) em %2.</translation>
    </message>
    <message>
        <source>Only the Windows edition of Half-Life (hl.exe) is in %1, and wine is not installed to run it.</source>
        <translation>Em %1 só tem a edição para Windows do Half-Life (hl.exe), e o wine, necessário para rodá-la, não está instalado.</translation>
    </message>
    <message>
        <source>Install wine, or the Linux edition of Half-Life through Steam.</source>
        <translation>Instale o wine, ou a edição para Linux do Half-Life pela Steam.</translation>
    </message>
    <message>
        <source>The Windows edition of Half-Life (hl.exe) in %1.</source>
        <translation>A edição para Windows do Half-Life (hl.exe) em %1.</translation>
    </message>
    <message>
        <source>Not installed by Steam: Vantor starts the game itself.</source>
        <translation>Não instalado pela Steam: o Vantor inicia o jogo sozinho.</translation>
    </message>
    <message>
        <source>the native Steam client</source>
        <translation>cliente nativo da Steam</translation>
    </message>
    <message>
        <source>the Flatpak&apos;s Steam client</source>
        <translation>cliente Flatpak da Steam</translation>
    </message>
    <message>
        <source>the Snap&apos;s Steam client</source>
        <translation>cliente Snap da Steam</translation>
    </message>
    <message>
        <source>Installed by Steam, but no Steam client is installed here to start it through: Vantor starts the game itself.</source>
        <translation>Instalado pela Steam, mas não há nenhum cliente da Steam instalado aqui para iniciá-lo: o Vantor inicia o jogo sozinho.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library that no Steam client here lists.</source>
        <translation>Instalado pela Steam, numa biblioteca que nenhum cliente da Steam daqui lista.</translation>
    </message>
    <message>
        <source>Add the library in Steam&apos;s settings (Storage), so that Steam finds the game that Vantor asks it to start.</source>
        <translation>Adicione a biblioteca nas configurações da Steam (Armazenamento), para que a Steam encontre o jogo que o Vantor pede para iniciar.</translation>
    </message>
    <message>
        <source>Installed by Steam, in a library of %1, which starts it.</source>
        <translation>Instalado pela Steam, numa biblioteca mantida pelo %1, que inicia o jogo.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, versão %2</translation>
    </message>
    <message>
        <source>The branch that Steam installed: %1.</source>
        <translation>O branch que a Steam instalou: %1.</translation>
    </message>
    <message>
        <source>The branch chosen in Steam, %1, is not installed yet.</source>
        <translation>O branch escolhido na Steam, %1, ainda não está instalado.</translation>
    </message>
    <message>
        <source>Start Steam and let it finish updating Half-Life.</source>
        <translation>Abra a Steam e deixe ela terminar de atualizar o Half-Life.</translation>
    </message>
    <message>
        <source>the default one (the 25th-anniversary build)</source>
        <translation>o padrão (a versão de 25 anos)</translation>
    </message>
    <message>
        <source>steam_legacy (the build from before the 25th-anniversary update)</source>
        <translation>steam_legacy (a versão de antes da atualização de 25 anos)</translation>
    </message>
    <message>
        <source>The 32-bit libraries that the game needs are there: the loader, the C library, OpenGL and its driver.</source>
        <translation>As bibliotecas de 32 bits de que o jogo precisa estão aí: o carregador, a biblioteca C, o OpenGL e o driver dele.</translation>
    </message>
    <message>
        <source>The 32-bit loader (/lib/ld-linux.so.2) is missing.</source>
        <translation>Falta o carregador de 32 bits (/lib/ld-linux.so.2).</translation>
    </message>
    <message>
        <source>The 32-bit C library (libc.so.6) is missing.</source>
        <translation>Falta a biblioteca C de 32 bits (libc.so.6).</translation>
    </message>
    <message>
        <source>The 32-bit OpenGL library (libGL.so.1) is missing.</source>
        <translation>Falta a biblioteca OpenGL de 32 bits (libGL.so.1).</translation>
    </message>
    <message>
        <source>No 32-bit OpenGL driver is installed (Mesa&apos;s libGLX_mesa.so.0 with its dri folder, or NVIDIA&apos;s libGLX_nvidia.so.0).</source>
        <translation>Não há nenhum driver OpenGL de 32 bits instalado (libGLX_mesa.so.0 do Mesa com a pasta dri dele, ou libGLX_nvidia.so.0 da NVIDIA).</translation>
    </message>
    <message>
        <source>Steam starts the game with its own runtime, which brings the game&apos;s other libraries but not these.</source>
        <translation>A Steam inicia o jogo com o runtime dela, que traz as outras bibliotecas do jogo, mas não estas.</translation>
    </message>
    <message>
        <source>The Steam client is running, as this edition of Half-Life needs.</source>
        <translation>O cliente da Steam está rodando, como esta edição do Half-Life precisa.</translation>
    </message>
    <message>
        <source>Only the Flatpak&apos;s Steam client is running, which a game that Vantor starts itself may not reach.</source>
        <translation>Só o cliente Flatpak da Steam está rodando, e um jogo que o Vantor inicia sozinho talvez não consiga falar com ele.</translation>
    </message>
    <message>
        <source>Start the native Steam client, or choose the Half-Life folder of the Flatpak&apos;s Steam library so that Vantor starts the game through it.</source>
        <translation>Abra o cliente nativo da Steam, ou escolha a pasta do Half-Life da biblioteca do cliente Flatpak da Steam para que o Vantor inicie o jogo por ele.</translation>
    </message>
    <message>
        <source>The Steam client is not running, and this edition of Half-Life needs it.</source>
        <translation>O cliente da Steam não está rodando, e esta edição do Half-Life precisa dele.</translation>
    </message>
    <message>
        <source>The mod folder %1 is not in the Half-Life folder.</source>
        <translation>A pasta do mod %1 não está na pasta do Half-Life.</translation>
    </message>
    <message>
        <source>Install the mod into the Half-Life folder, or turn the Mod field off.</source>
        <translation>Instale o mod na pasta do Half-Life, ou desmarque “Mod”.</translation>
    </message>
    <message>
        <source>The folder %1 holds no liblist.gam, so the game does not take it for a mod.</source>
        <translation>A pasta %1 não tem liblist.gam, então o jogo não a reconhece como mod.</translation>
    </message>
    <message>
        <source>Install the mod whole, or choose another with the Mod field.</source>
        <translation>Instale o mod completo, ou escolha outro no campo “Mod”.</translation>
    </message>
    <message>
        <source>The mod %1 and its liblist.gam are there.</source>
        <translation>O mod %1 e o liblist.gam dele estão aí.</translation>
    </message>
    <message>
        <source>The mod %1 has no Linux library.</source>
        <translation>O mod %1 não tem biblioteca para Linux.</translation>
    </message>
    <message>
        <source>Mods made before the 25th-anniversary update need Steam&apos;s steam_legacy branch: should this one fail, choose that branch in Steam (Half-Life&apos;s Properties, Betas).</source>
        <translation>Mods feitos antes da atualização de 25 anos precisam do branch steam_legacy da Steam: se este falhar, escolha esse branch na Steam (Propriedades do Half-Life, Betas).</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 32-bit Linux library.</source>
        <translation>A biblioteca %2 do mod %1 é uma biblioteca Linux de 32 bits.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1, which its liblist.gam names, is not there.</source>
        <translation>A biblioteca %2 do mod %1, indicada no liblist.gam dele, não existe.</translation>
    </message>
    <message>
        <source>Install the mod again, whole.</source>
        <translation>Instale o mod de novo, completo.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a 64-bit library, which the 32-bit game cannot load.</source>
        <translation>A biblioteca %2 do mod %1 é de 64 bits, e o jogo, que é de 32 bits, não consegue carregá-la.</translation>
    </message>
    <message>
        <source>Get the mod&apos;s 32-bit (i386) build for Linux.</source>
        <translation>Baixe a versão de 32 bits (i386) do mod para Linux.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is a Windows library.</source>
        <translation>A biblioteca %2 do mod %1 é uma biblioteca do Windows.</translation>
    </message>
    <message>
        <source>The library %2 of the mod %1 is no library that the game can load.</source>
        <translation>A biblioteca %2 do mod %1 não é uma que o jogo consiga carregar.</translation>
    </message>
    <message>
        <source>The game&apos;s files have inode numbers that the 32-bit game can take (%1 looked at).</source>
        <translation>Os arquivos do jogo têm números de inode que o jogo de 32 bits aceita (%1 verificados).</translation>
    </message>
    <message>
        <source>%1 of %2 files looked at in the game folder have inode numbers above 32 bits, and the 32-bit game fails to find such files.</source>
        <translation>%1 de %2 arquivos verificados na pasta do jogo têm números de inode acima de 32 bits, e o jogo de 32 bits não encontra esses arquivos.</translation>
    </message>
    <message>
        <source>Move the game to a file system that hands out 32-bit inode numbers, such as ext4 or XFS mounted with inode32, copying its files anew.</source>
        <translation>Mova o jogo para um sistema de arquivos que dê números de inode de 32 bits, como ext4 ou XFS montado com inode32, copiando os arquivos dele de novo.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client may use the library %1.</source>
        <translation>O cliente Flatpak da Steam pode usar a biblioteca %1.</translation>
    </message>
    <message>
        <source>The Flatpak&apos;s Steam client has not been given the library %1.</source>
        <translation>O cliente Flatpak da Steam não recebeu acesso à biblioteca %1.</translation>
    </message>
    <message>
        <source>Give it the library: %1</source>
        <translation>Dê acesso a ela: %1</translation>
    </message>
    <message>
        <source>Vantor can write its CFG file into %1.</source>
        <translation>O Vantor consegue gravar o arquivo CFG dele em %1.</translation>
    </message>
    <message>
        <source>Vantor cannot write its CFG file into %1: the folder is missing or not writable.</source>
        <translation>O Vantor não consegue gravar o arquivo CFG dele em %1: a pasta não existe ou não aceita gravação.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder, the one that holds valve, with Browse; or make valve writable for you.</source>
        <translation>Escolha com “Buscar” a pasta do Half-Life, a que tem a valve; ou dê ao seu usuário permissão de gravação na valve.</translation>
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
        <translation>[erro]</translation>
    </message>
    <message numerus="yes">
        <source>Half-Life will not start: %n thing(s) stop it.</source>
        <translation>
            <numerusform>O Half-Life não vai abrir: %n problema impede o início.</numerusform>
            <numerusform>O Half-Life não vai abrir: %n problemas impedem o início.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life, but mind the warnings.</source>
        <translation>Nada do que o Vantor verifica impede o Half-Life de abrir, mas fique de olho nos avisos.</translation>
    </message>
    <message>
        <source>Nothing that Vantor checks stops Half-Life.</source>
        <translation>Nada do que o Vantor verifica impede o Half-Life de abrir.</translation>
    </message>
    <message>
        <source>Vantor&apos;s report on Half-Life</source>
        <translation>Relatório do Vantor sobre o Half-Life</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Comando de início:</translation>
    </message>
    <message>
        <source>CFG lines:</source>
        <translation>Linhas do CFG:</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Branch:</translation>
    </message>
    <message>
        <source>not installed by Steam</source>
        <translation>não instalado pela Steam</translation>
    </message>
    <message>
        <source>Setup check:</source>
        <translation>Verificação da instalação:</translation>
    </message>
    <message>
        <source>The game&apos;s last lines (%1):</source>
        <translation>As últimas linhas do jogo (%1):</translation>
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
        <translation>Médio</translation>
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
        <translation>Mostra informações da versão.</translation>
    </message>
    <message>
        <source>Loads the options of slot &lt;N&gt; (1 to 3) instead of the Default slot.</source>
        <translation>Carrega as opções do slot &lt;N&gt; (1 a 3) em vez das do slot padrão.</translation>
    </message>
    <message>
        <source>Prints what Run would start, as a shell would run it, then the CFG file that it would write (none in the directory-not-found mode). Writes nothing.</source>
        <translation>Mostra o que “Rodar Half-Life já!” iniciaria, do jeito que um shell rodaria, e depois o arquivo CFG que seria gravado (nenhum no modo “Pasta não encontrada”). Não grava nada.</translation>
    </message>
    <message>
        <source>Does what &quot;Run Half-Life Now!&quot; does, then ends.</source>
        <translation>Faz o que “Rodar Half-Life já!” faz e depois termina.</translation>
    </message>
    <message>
        <source>could not start the game: %1</source>
        <translation>não foi possível iniciar o jogo: %1</translation>
    </message>
    <message>
        <source>no Game directory has been chosen; choose one in Vantor&apos;s window</source>
        <translation>nenhuma pasta do jogo foi escolhida; escolha uma na janela do Vantor</translation>
    </message>
    <message>
        <source>could not write the CFG file %1</source>
        <translation>não foi possível gravar o arquivo CFG %1</translation>
    </message>
    <message>
        <source>vantor: Steam starts Half-Life in its own environment, so %1 is left out: it belongs in Steam&apos;s launch options for Half-Life
</source>
        <translation>vantor: a Steam inicia o Half-Life no ambiente dela, então %1 fica de fora: isso vai nas opções de inicialização do Half-Life na Steam
</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1). Its last lines:</source>
        <translation>O Half-Life fechou na hora (%1). As últimas linhas dele:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Toda a saída dele: %1</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Veja --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado “%1”; veja --help</translation>
    </message>
    <message>
        <source>--print and --run cannot go together</source>
        <translation>--print e --run não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--slot takes 1, 2 or 3, not &apos;%1&apos;</source>
        <translation>--slot aceita 1, 2 ou 3, não “%1”</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life</source>
        <translation>O Vantor não conseguiu iniciar o Half-Life</translation>
    </message>
    <message>
        <source>Slot %1 is not saved</source>
        <translation>O slot %1 não está salvo</translation>
    </message>
    <message>
        <source>Half-Life ended at once (%1).</source>
        <translation>O Half-Life fechou na hora (%1).</translation>
    </message>
    <message>
        <source>Vantor&apos;s window needs a graphical session (X11 or Wayland); vantor --print and vantor --run work without one</source>
        <translation>a janela do Vantor precisa de uma sessão gráfica (X11 ou Wayland); vantor --print e vantor --run funcionam sem ela</translation>
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
        <translation>Define as opções do Half-Life e inicia o jogo.

--print, --run e --check não mostram janela nenhuma e não perguntam nada. Status de saída:
  0  feito; com --run, o jogo foi iniciado
  1  as opções estão erradas
  2  o slot pedido não está salvo
  3  nenhuma pasta do jogo foi escolhida na janela
  4  não foi possível gravar o arquivo CFG
  5  não foi possível iniciar o jogo
  6  o jogo fechou na hora
  7  o --check achou algo que impede o jogo de abrir</translation>
    </message>
    <message>
        <source>Checks Half-Life&apos;s setup, line by line: what will stop the game, and what to do about it. Reads only.</source>
        <translation>Verifica a instalação do Half-Life linha por linha: o que vai impedir o jogo de abrir e o que fazer. Só lê.</translation>
    </message>
    <message>
        <source>With --run: says why the game could not be started in a desktop notification, or a message window, as the desktop menu&apos;s entries do; for a slot that is not saved it offers to open Vantor. With --check: says what the check found there.</source>
        <translation>Com --run: diz por que o jogo não pôde ser iniciado numa notificação da área de trabalho, ou numa janela de mensagem, como fazem as entradas do menu da área de trabalho; para um slot que não está salvo, oferece abrir o Vantor. Com --check: diz ali o que a verificação da instalação encontrou.</translation>
    </message>
    <message>
        <source>--check cannot go with --print or --run</source>
        <translation>--check não pode ser usado junto com --print ou --run</translation>
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
        <translation>Escolha um mapa:</translation>
    </message>
    <message>
        <source>Click on the map you want to run when Half-Life starts.</source>
        <translation>Clique no mapa que você quer rodar quando o Half-Life abrir.</translation>
    </message>
    <message>
        <source>Select a cfg:</source>
        <translation>Escolha um CFG:</translation>
    </message>
    <message>
        <source>Click on the cfg file you want to execute when Half-Life starts.</source>
        <translation>Clique no arquivo cfg que você quer executar quando o Half-Life abrir.</translation>
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
        <translation>A Steam inicia o Half-Life no ambiente dela, então o Vantor deixa %1 de fora: o lugar disso é nas opções de inicialização do Half-Life na Steam.</translation>
    </message>
    <message>
        <source>Paste Command Line or CFG</source>
        <translation>Colar linha de comando ou CFG</translation>
    </message>
    <message>
        <source>Bring in Steam&apos;s Launch Options</source>
        <translation>Trazer opções de inicialização da Steam</translation>
    </message>
    <message>
        <source>Steam keeps no launch options for Half-Life</source>
        <translation>A Steam não tem opções de inicialização do Half-Life</translation>
    </message>
    <message numerus="yes">
        <source>%n options set</source>
        <translation>
            <numerusform>%n opção definida</numerusform>
            <numerusform>%n opções definidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n lines not used</source>
        <translation>
            <numerusform>, %n linha não usada</numerusform>
            <numerusform>, %n linhas não usadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Carregar:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot:</source>
        <translation>Carregar as opções já salvas do slot:</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot:</source>
        <translation>Salvar as opções atuais do Vantor no slot:</translation>
    </message>
    <message>
        <source>Load previously saved options from slot %1</source>
        <translation>Carregar as opções já salvas do slot %1</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Carregar slot %1</translation>
    </message>
    <message>
        <source>Save current Vantor options to slot %1</source>
        <translation>Salvar as opções atuais do Vantor no slot %1</translation>
    </message>
    <message>
        <source>Save Slot %1</source>
        <translation>Salvar slot %1</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Padrão:</translation>
    </message>
    <message>
        <source>Load options from this slot when Vantor loads:</source>
        <translation>Carregar as opções deste slot quando o Vantor iniciar:</translation>
    </message>
    <message>
        <source>Default Slot %1</source>
        <translation>Slot padrão %1</translation>
    </message>
    <message>
        <source>Set options saved in slot %1 as the default options</source>
        <translation>Usar as opções salvas no slot %1 como padrão</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help, About, etc.</source>
        <translation>Ajuda, Sobre, etc.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Select the map you want to load when Half-Life runs</source>
        <translation>Escolha o mapa que você quer carregar quando o Half-Life rodar</translation>
    </message>
    <message>
        <source>Browse for a map</source>
        <translation>Buscar um mapa</translation>
    </message>
    <message>
        <source>Select a CFG you want to execute when Half-Life loads</source>
        <translation>Escolha um CFG para executar quando o Half-Life carregar</translation>
    </message>
    <message>
        <source>Browse for a CFG file</source>
        <translation>Buscar um arquivo CFG</translation>
    </message>
    <message>
        <source>Multiplayer Options</source>
        <translation>Opções multiplayer</translation>
    </message>
    <message>
        <source>Multiplayer-related options</source>
        <translation>Opções ligadas ao multiplayer</translation>
    </message>
    <message>
        <source>Performance, Mod (Custom Game) and Sound Options</source>
        <translation>Desempenho, mod (jogo modificado) e som</translation>
    </message>
    <message>
        <source>Options to help increase framerate (at a cost), to start Half-Life using a mod (user modification such as TFC), and sound related options.</source>
        <translation>Opções para ajudar a aumentar o FPS (com um preço), para iniciar o Half-Life com um mod (modificação feita por usuários, como o TFC) e opções de som.</translation>
    </message>
    <message>
        <source>Go to  Corvana!</source>
        <translation>Vá à  Corvana!</translation>
    </message>
    <message>
        <source>Go to Corvana!</source>
        <translation>Vá à Corvana!</translation>
    </message>
    <message>
        <source>Browse to your \half-life\ directory.</source>
        <translation>Busque a sua pasta \half-life\.</translation>
    </message>
    <message>
        <source>Browse for the Half-Life folder</source>
        <translation>Buscar a pasta do Half-Life</translation>
    </message>
    <message>
        <source>Makes a CFG file in your Valve\ dir, using the current settings. You can execute it by typing &quot;exec whatever.cfg&quot; in the console</source>
        <translation>Cria um arquivo CFG na sua pasta Valve\ com as configurações atuais. Você pode executar ele digitando “exec qualquercoisa.cfg” no console</translation>
    </message>
    <message>
        <source>CFG file name</source>
        <translation>Nome do arquivo CFG</translation>
    </message>
    <message>
        <source>Runs Half-Life using the current Vantor settings</source>
        <translation>Roda o Half-Life com as configurações atuais do Vantor</translation>
    </message>
    <message>
        <source>Deletes all Vantor saves from the registry</source>
        <translation>Apaga do registro todas as configurações salvas do Vantor</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Redefinir opções</translation>
    </message>
    <message>
        <source>Resets settings to the Vantor defaults (not Half-Life defaults). Will not wipe saved settings. Vantor will have to be restarted</source>
        <translation>Volta as configurações para o padrão do Vantor (não o padrão do Half-Life). Não apaga as configurações salvas. O Vantor vai ter que ser reiniciado</translation>
    </message>
    <message>
        <source>Exit Vantor</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Umm.... guess.</source>
        <translation>Hmm.... adivinha.</translation>
    </message>
    <message>
        <source>Back to General Options</source>
        <translation>Voltar às opções gerais</translation>
    </message>
    <message>
        <source>Read the button</source>
        <translation>Leia o botão</translation>
    </message>
    <message>
        <source>Back to General Options from Multiplayer</source>
        <translation>Voltar do multiplayer às opções gerais</translation>
    </message>
    <message>
        <source>Performance Options</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Mod/Custom Game Options</source>
        <translation>Mod/jogo modificado</translation>
    </message>
    <message>
        <source>Warning: Use only with Half-Life v1.0.0.9 and above!</source>
        <translation>Atenção: use só com Half-Life v1.0.0.9 ou superior!</translation>
    </message>
    <message>
        <source>Back to General Options from Performance, Mod and Sound</source>
        <translation>Voltar de desempenho, mod e som às opções gerais</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>The author&apos;s page</source>
        <translation>A página do autor</translation>
    </message>
    <message>
        <source>Go to the Vantor page for info/etc.</source>
        <translation>Vá à página do Vantor (info/etc.)</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <source>Feeling depressed?</source>
        <translation>Bateu a deprê?</translation>
    </message>
    <message>
        <source>Back to General Options from Help</source>
        <translation>Voltar da ajuda às opções gerais</translation>
    </message>
    <message>
        <source>Brask - a comic strip by the author of Vantor</source>
        <translation>Brask — uma tirinha do autor do Vantor</translation>
    </message>
    <message>
        <source>Picture of comic panel %1</source>
        <translation>Imagem do quadro %1 da tirinha</translation>
    </message>
    <message>
        <source>&lt;- Scroll Left</source>
        <translation>&lt;- Esquerda</translation>
    </message>
    <message>
        <source>Scroll Right  -&gt;</source>
        <translation>Direita  -&gt;</translation>
    </message>
    <message>
        <source>Comic panel %1</source>
        <translation>Quadro %1 da tirinha</translation>
    </message>
    <message>
        <source>Back to Help</source>
        <translation>Voltar à ajuda</translation>
    </message>
    <message>
        <source>Still feeling depressed?</source>
        <translation>Ainda na deprê?</translation>
    </message>
    <message>
        <source>the system did not start it</source>
        <translation>o sistema não o iniciou</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Não foi possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>Could not start the game: %1</source>
        <translation>Não foi possível iniciar o jogo: %1</translation>
    </message>
    <message>
        <source>Half-Life ended as soon as it started (%1).</source>
        <translation>O Half-Life fechou assim que abriu (%1).</translation>
    </message>
    <message>
        <source>Its last lines:</source>
        <translation>As últimas linhas dele:</translation>
    </message>
    <message>
        <source>All of its output: %1</source>
        <translation>Toda a saída dele: %1</translation>
    </message>
    <message>
        <source>Please select your \Half-Life\ directory:</source>
        <translation>Escolha a sua pasta \Half-Life\:</translation>
    </message>
    <message>
        <source>Steam adds its own launch options: %1</source>
        <translation>A Steam acrescenta as próprias opções de inicialização: %1</translation>
    </message>
    <message>
        <source>Brask, a round orange fellow, stands sadly in the rain under a grey cloud: &quot;Rainy day. And my game will not start...&quot; Pim, a little blue bird, flies up: &quot;Cheer up, Brask! Let us have a look.&quot;</source>
        <translation>Brask, um sujeito redondo e laranja, está triste na chuva, debaixo de uma nuvem cinza: “Dia de chuva. E meu jogo não abre…” Pim, um passarinho azul, chega voando: “Anime-se, Brask! Vamos dar uma olhada.”</translation>
    </message>
    <message>
        <source>Indoors, a computer&apos;s screen says &quot;Dir not found!&quot; Brask, surprised: &quot;Oh! It looks in the wrong folder!&quot; Pim: &quot;Browse for the game!&quot;</source>
        <translation>Dentro de casa, a tela de um computador diz “Dir not found!” (pasta não encontrada). Brask, surpreso: “Opa! Ele está procurando na pasta errada!” Pim: “Procure a pasta do jogo!”</translation>
    </message>
    <message>
        <source>Outside in the sunshine, among stars, Brask beams: &quot;It runs! Thanks, Pim!&quot; Pim: &quot;Told you, Brask. Happy gaming!&quot;</source>
        <translation>Lá fora, no sol e entre estrelas, Brask está radiante: “Funcionou! Valeu, Pim!” Pim: “Eu não disse, Brask? Bom jogo!”</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rolar para a esquerda</translation>
    </message>
    <message>
        <source>Turns most options off: those that only a CFG file can carry, since Vantor then writes none.</source>
        <translation>Desliga a maioria das opções: as que só um arquivo CFG pode levar, já que o Vantor então não grava nenhum.</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rolar para a direita</translation>
    </message>
    <message>
        <source>The screen now says &quot;Half-Life OK&quot;. Pim: &quot;Now press &apos;%1&apos;&quot; Brask, smiling: &quot;There it is! The game folder.&quot;</source>
        <translation>Agora a tela diz “Half-Life OK”. Pim: “Agora clique em ‘%1’” Brask, sorrindo: “Aí está! A pasta do jogo.”</translation>
    </message>
    <message>
        <source>Check Setup</source>
        <translation>Verificar instalação</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Copiar relatório</translation>
    </message>
    <message>
        <source>Mend Custom Parameters, then run the game again.</source>
        <translation>Corrija os “Parâmetros extras” e depois rode o jogo de novo.</translation>
    </message>
    <message>
        <source>The Half-Life folder lies in a Steam library, so Vantor asked the Steam client to start the game.</source>
        <translation>A pasta do Half-Life fica numa biblioteca da Steam, então o Vantor pediu ao cliente da Steam para iniciar o jogo.</translation>
    </message>
    <message>
        <source>See that Steam is installed and starts, or choose another Half-Life folder with Browse beside HL Dir.</source>
        <translation>Confira se a Steam está instalada e abre, ou escolha outra pasta do Half-Life com “Buscar”, ao lado de “Pasta”.</translation>
    </message>
    <message>
        <source>In the directory-not-found mode, Vantor starts the hl.exe in its own folder, %1, else the one on the PATH.</source>
        <translation>No modo “Pasta não encontrada”, o Vantor inicia o hl.exe da pasta dele, %1, ou então o que estiver no PATH.</translation>
    </message>
    <message>
        <source>Turn that mode off on the Comic page and choose the Half-Life folder with Browse beside HL Dir.</source>
        <translation>Desative esse modo na página da tirinha e escolha a pasta do Half-Life com “Buscar”, ao lado de “Pasta”.</translation>
    </message>
    <message>
        <source>Vantor looks in the Half-Life folder, %1, for hl.sh, then hl_linux, then hl.exe.</source>
        <translation>O Vantor procura na pasta do Half-Life, %1, o hl.sh, depois o hl_linux, depois o hl.exe.</translation>
    </message>
    <message>
        <source>Choose the Half-Life folder with Browse beside HL Dir. Check Setup says what else may stop the game.</source>
        <translation>Escolha a pasta do Half-Life com “Buscar”, ao lado de “Pasta”. “Verificar instalação” diz o que mais pode impedir o jogo de abrir.</translation>
    </message>
    <message>
        <source>Vantor could not start Half-Life.</source>
        <translation>O Vantor não conseguiu iniciar o Half-Life.</translation>
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
        <translation>Pasta não encontrada — Ajuda</translation>
    </message>
    <message>
        <source>Error: Directory not found!</source>
        <translation>Erro: Pasta não encontrada!</translation>
    </message>
    <message>
        <source>Either Vantor could not find the directory you specified in the &quot;HL Dir&quot; field, or it could not find a Valve\ or Valve\maps\ directory inside it. This may be because you specified the wrong directory, or it may be because of a compatibility bug in Vantor that only effects a few systems (don&apos;t know why or how to fix it). IF the directory shown in the &quot;HL Dir&quot; field is DEFINITELY CORRECT, you are probably one of the few people effected by the bug :(. Otherwise, click Browse and choose your Half-Life\ directory.</source>
        <translation>Ou o Vantor não achou a pasta que você indicou no campo “Pasta”, ou não achou uma pasta Valve\ ou Valve\maps\ dentro dela. Pode ser porque você indicou a pasta errada, ou pode ser culpa de um bug de compatibilidade do Vantor que só afeta alguns sistemas (não sei por que nem como consertar). SE a pasta mostrada no campo “Pasta” estiver CORRETA COM CERTEZA, você provavelmente é uma das poucas pessoas afetadas pelo bug :(. Senão, clique em “Buscar” e escolha a sua pasta Half-Life\.</translation>
    </message>
    <message>
        <source>There is no proper fix for this yet: on a few systems Vantor cannot write to the disk, and nobody knows why. If you know what causes it, please send an e-mail; the contact details are on the Help page.</source>
        <translation>Ainda não existe uma solução de verdade para isso: em alguns sistemas o Vantor não consegue gravar no disco, e ninguém sabe por quê. Se você souber o que causa isso, mande um e-mail; o contato está na página de Ajuda.</translation>
    </message>
    <message>
        <source>There is a partial fix, however, which will let you use a few basic features. To get these features to work, click &quot;Help&quot; (on Vantor), then &quot;Feeling Depressed?&quot;. There should be a checkbox under the Brask strip. Turn it on.</source>
        <translation>Mas existe uma solução parcial, que deixa você usar alguns recursos básicos. Para esses recursos funcionarem, clique em “Ajuda” (no Vantor) e depois em “Bateu a deprê?”. Embaixo da tirinha do Brask deve ter uma caixa de seleção. Marque essa caixa.</translation>
    </message>
    <message>
        <source>Unusable options (almost all of them :(  ) will now be disabled. You can enable them again by going to Help/Depressed/ and unchecking the checkbox.</source>
        <translation>As opções que não funcionam (quase todas :(  ) agora vão ficar desativadas. Dá para ativar de novo indo em Ajuda/Bateu a deprê?/ e desmarcando a caixa.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
