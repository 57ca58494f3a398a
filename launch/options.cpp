#include "options.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <string>

namespace vantor {
namespace {

using K = OptionKind;
using P = Page;

// Tooltips that a check box shares with the field it switches on.
constexpr std::string_view mapTip =
    QT_TRANSLATE_NOOP("Option", "The BSP file you want loaded when the game starts (if you do want one loaded)");
constexpr std::string_view rateTip = QT_TRANSLATE_NOOP(
    "Option",
    "For a 28.8 modem, your rate should be somewhere between 2000 and 3000, you need to try lots of different "
    "settings in the console to work out what's best for you");
constexpr std::string_view maxpTip =
    QT_TRANSLATE_NOOP("Option", "Maximum number of players that can be in a multiplayer game at once");
constexpr std::string_view fpslanTip =
    QT_TRANSLATE_NOOP("Option", "Limits your framerate, if your framerate is too high it will create lag. "
                                "For LAN games, it shouldn't matter that much");
constexpr std::string_view fpsnetTip =
    QT_TRANSLATE_NOOP("Option", "Limits your framerate, if your framerate is too high it will create lag. "
                                "For a 28.8 modem, you'd want to use around 22fps-28fps");
constexpr std::string_view pushTip =
    QT_TRANSLATE_NOOP("Option", "The amount Half-Life should predict entity movement, this should be around "
                                "the same as your ping time, try different settings in the console");
constexpr std::string_view decalTip = QT_TRANSLATE_NOOP(
    "Option",
    "The amount of decals (blood splats, bulletholes, etc.) that can exist at once. Having too many decals in the "
    "screen at once will decrease framerate by quite a lot");

constexpr std::array catalogue{
    // General Options page
    Option{"chknumping", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Numeric Ping"), "1",
           QT_TRANSLATE_NOOP("Option", "Uses numeric ping times instead of the \"traffic light\" thingies.")},
    Option{
        "chktocon", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Start in Console"), "1",
        QT_TRANSLATE_NOOP("Option", "When Half-Life loads, it'll go directly to the console instead of the main menu")},
    Option{"chkcheat", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Allow Cheats"), "1",
           QT_TRANSLATE_NOOP(
               "Option",
               "Allows you to use cheats if you want to. Warning!: If you're running a multiplayer server, it'll allow "
               "people to use cheats in the game")},
    Option{
        "chkmmx", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "MMX Processor"), "1",
        QT_TRANSLATE_NOOP("Option", "Enables MMX support. Do not use this unless you have an MMX enhanced processor")},
    Option{"chkmlook", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "MouseLook (freelook)"), "1"},
    Option{"chkmfilt", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Mouse Filter"), "0",
           QT_TRANSLATE_NOOP(
               "Option",
               "Enabling this will make mouse movement a bit smoother, but it also makes it a bit harder to aim")},
    Option{"chkshad", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Shadows"), "0",
           QT_TRANSLATE_NOOP("Option", "Enables shadows, only works in hardware mode. Will decrease framerate a bit.")},
    Option{"chkmap", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Custom Map:"), "0", mapTip},
    Option{"txtmap", K::Text, P::General, "", "", mapTip, 30},
    Option{"chkcfg", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Custom CFG:"), "0",
           QT_TRANSLATE_NOOP("Option",
                             "You can use this to execute a CFG file containing various commands when the game loads")},
    Option{"txtcfg", K::Text, P::General, "", "",
           QT_TRANSLATE_NOOP(
               "Option",
               "You can use this to execute a CFG file containing various commands when the game loads (should end in "
               "\".cfg\")"),
           18},
    Option{"scrlskill", K::Slider, P::General, QT_TRANSLATE_NOOP("Option", "Skill Level:"), "1",
           QT_TRANSLATE_NOOP("Option", "The difficulty level in single player"), 0, 1, 3},
    // The console speed is the position times 100; a position of 3 is the slowest speed worth having.
    Option{"scrlcon", K::ScrollBar, P::General, QT_TRANSLATE_NOOP("Option", "Console Speed:"), "10",
           QT_TRANSLATE_NOOP(
               "Option",
               "The speed that the console moves at when you bring it down/put it away. 600 is the default speed"),
           0, 3, 35},
    Option{"chkthird", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Third Person View"), "0",
           QT_TRANSLATE_NOOP(
               "Option", "Shows everything from a third person (chasecam) view. Check Help for camera control info.")},
    Option{
        "chkdev", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Developer Mode"), "0",
        QT_TRANSLATE_NOOP(
            "Option",
            "Advanced, displays a lot more information about what's going on in the console. Good for testing maps")},
    Option{"chkflip", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Direct3D Flip"), "0",
           QT_TRANSLATE_NOOP(
               "Option",
               "If you experience input lag (takes a while for things to react to your controls in single and "
               "multiplayer), enabling this might fix it")},
    Option{"chkjoy", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Enable Joystick"), "0",
           QT_TRANSLATE_NOOP(
               "Option",
               "Disabling the joystick increases performance slightly. Enable this if you want to use a joystick")},
    Option{"hldir", K::ReadOnly, P::General, QT_TRANSLATE_NOOP("Option", "HL Dir:"), "c:\\games\\sierra\\half-life",
           QT_TRANSLATE_NOOP("Option", "Your Half-Life directory location")},
    Option{"chksavrun", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Save on Run (Slot 3)"), "0",
           QT_TRANSLATE_NOOP("Option", "Saves the current Vantor options in slot 3 before running Half-Life")},
    Option{"chkclosrun", K::Check, P::General, QT_TRANSLATE_NOOP("Option", "Close Vantor on Run"), "1",
           QT_TRANSLATE_NOOP("Option", "Closes Vantor after running Half-Life")},

    // Header strip
    Option{"customcmd", K::Text, P::CommandLine, QT_TRANSLATE_NOOP("Option", " Custom Parameters:"), "",
           QT_TRANSLATE_NOOP("Option", "Advanced. If you want to add anything to the command line, type it here"), 90},

    // Multiplayer page
    Option{"chkdm", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "DM Server"), "0",
           QT_TRANSLATE_NOOP("Option", "Turn this on if you're running a DM server")},
    Option{"chklan", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "LAN Game"), "0",
           QT_TRANSLATE_NOOP("Option",
                             "Turn this on if you're going to be playing multiplayer over a Local Area Network")},
    Option{
        "chkdownload", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "Allow Download"), "1",
        QT_TRANSLATE_NOOP(
            "Option",
            "Allows HL to download maps, models, and decals from a multiplayer server. Will probably increase lag.")},
    Option{"chkupload", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "Allow Upload"), "1",
           QT_TRANSLATE_NOOP(
               "Option",
               "Allows Half-Life to upload your custom decals, models, etc. to the server, will increase lag while "
               "uploading")},
    Option{"chkhimodel", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "High Quality Models"), "1",
           QT_TRANSLATE_NOOP("Option",
                             "Turning this on makes models look better, but it'll decrease your framerate a bit")},
    Option{"chkrate", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "Rate"), "1", rateTip},
    Option{"txtrate", K::Number, P::Multiplayer, "", "2500", rateTip, 5},
    Option{"chkmaxp", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "Max Players"), "0", maxpTip},
    Option{"txtmaxp", K::Number, P::Multiplayer, "", "16", maxpTip, 2},
    Option{"chkfpslan", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "FPS Limit for LAN games"), "1",
           fpslanTip},
    Option{"txtfpslan", K::Number, P::Multiplayer, "", "45", fpslanTip, 3},
    Option{"chkfpsnet", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "FPS Limit for Net Games"), "1",
           fpsnetTip},
    Option{"txtfpsnet", K::Number, P::Multiplayer, "", "30", fpsnetTip, 3},
    Option{"chkpush", K::Check, P::Multiplayer, QT_TRANSLATE_NOOP("Option", "Pushlatency"), "1", pushTip},
    Option{"txtpush", K::Number, P::Multiplayer, "", "300", pushTip},

    // Performance part
    Option{
        "chkdynlit", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "Dynamic Lighting"), "1",
        QT_TRANSLATE_NOOP(
            "Option",
            "Turns on/off dynamic lighting (light from rockets, explosions, your flashlight, etc.) Will increase your "
            "framerate a bit to disable this")},
    Option{"chktexsort", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "gl_texsort"), "1",
           QT_TRANSLATE_NOOP(
               "Option",
               "On will make things a lot brighter, but off will increase framerate by quite a bit. Off may also cause "
               "some textures to disappear")},
    Option{
        "chkweap", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "Weapon Model"), "1",
        QT_TRANSLATE_NOOP("Option", "If off, the weapon model will be invisible. This will increase your framerate")},
    Option{"chkjunc", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "Junctions"), "1",
           QT_TRANSLATE_NOOP("Option", "On fills in cracks between polygons, making things look smoother etc. Off will "
                                       "increase perfomance a bit")},
    Option{"chkdecal", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "Decal Limit"), "1", decalTip},
    Option{"txtdecal", K::Number, P::Performance, "", "300", decalTip, 4},
    Option{
        "chkztrk", K::Check, P::Performance, QT_TRANSLATE_NOOP("Option", "Z-trick"), "0",
        QT_TRANSLATE_NOOP(
            "Option", "On should increase framerate a bit, but it may cause textures to flicker etc. on some systems")},

    // Mod part
    Option{"chkmod", K::Check, P::Mod, QT_TRANSLATE_NOOP("Option", "Mod Dir:     (e.g. \"tfc\")"), "0",
           QT_TRANSLATE_NOOP(
               "Option",
               "Click this if you want to run Half-Life using a mod (such as Team Fortress Classic). Works only with "
               "v1.0.0.9 and above.")},
    Option{"txtmod", K::Text, P::Mod, "", "tfc",
           QT_TRANSLATE_NOOP(
               "Option", "The directory of the mod you want to run (e.g.  tfc ). Works only with v1.0.0.9 and above."),
           16},

    // Sound part
    Option{"chk16bit", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "16 bit Sound"), "1",
           QT_TRANSLATE_NOOP("Option", "Off is 8-bit sound. 16 bit is better, but 8bit will speed things up slightly")},
    Option{"chkhisnd", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "High Sound Quality"), "1",
           QT_TRANSLATE_NOOP("Option", "Better quality sound, will slow things down a bit though")},
    Option{"chkreverb", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "Reverb Effects"), "1",
           QT_TRANSLATE_NOOP("Option", "Reverb effects, off will speed things up slightly")},
    Option{
        "chkprfsnd", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "Max Performance Sound"), "1",
        QT_TRANSLATE_NOOP(
            "Option",
            "Off is max compatibility. Turn this off if you're having problems with sound skipping/stuttering/etc.")},
    Option{"chkeax", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "EAX Sound"), "0",
           QT_TRANSLATE_NOOP("Option", "Turn this on if you have an EAX compatible soundcard")},
    Option{"chka3d", K::Check, P::Sound, QT_TRANSLATE_NOOP("Option", "A3D Sound"), "0",
           QT_TRANSLATE_NOOP("Option", "Turn this on if you have an A3D compatible soundcard")},

    // Comic page
    Option{"chkdnf", K::Check, P::Comic,
           QT_TRANSLATE_NOOP("Option", "I'm getting a \"DIR not found!\" error, but the dir exists!"), "0"},
};

} // namespace

std::span<const Option> optionCatalogue() { return catalogue; }

QString translated(std::string_view catalogueText)
{
    // The catalogue's texts are literals, each ended by its NUL.
    return catalogueText.empty() ? QString() : QCoreApplication::translate("Option", catalogueText.data());
}

const Option &option(std::string_view key)
{
    const auto found =
        std::find_if(catalogue.begin(), catalogue.end(), [key](const Option &o) { return o.key == key; });
    if (found == catalogue.end())
        qFatal("'%s' is not a launch option", std::string(key).c_str());
    return *found;
}

} // namespace vantor
