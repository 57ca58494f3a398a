#pragma once

#include "controls.h"
#include "links.h"
#include "frmdirnotfound.h"

#include "launch/gamelaunch.h"
#include "launch/gamewatch.h"
#include "launch/importer.h"
#include "launch/optionview.h"
#include "launch/setupcheck.h"
#include "settings/store.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

class QAbstractButton;
class QAction;
class QAbstractSlider;
class QGroupBox;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QStandardItemModel;

namespace vantor {

class FilePicker;

// How Form1's start-up goes: normally the Default slot is loaded, and the folder dialog asks for a Game directory
// while none is stored.
struct StartUp {
    int slot = 0; // a slot to load instead of the Default slot; 0 for the Default slot
    bool mayAskForFolder = true;
};

// Vantor's main window. Every option lives in one of its controls; there is no other copy of them.
class Form1 : public QWidget, public OptionView {
    Q_OBJECT
public:
    explicit Form1(const StartUp &startUp = StartUp());
    ~Form1() override;

    // Builds the parameter string, shows it in the preview and returns it.
    QString makecmdline();
    // Saves the options into the slot; false when the store could not be written (the slot still counts as saved
    // for this run).
    bool saveset(int saveno);
    void loadset(int loadno);
    void checkdef();
    void checkinteger();
    void scrlskllsub();
    void dnfsub();
    // Puts the help text back as it was when the Help page first showed it: it can be read, selected and copied,
    // never changed.
    void zhelp();
    // Lets the given seconds pass while the window goes on handling events.
    void Pause(float seconds);

    enum class CfgWrite { Written, Skipped, Failed };
    // Writes the options as a CFG file of that name into the game's valve directory; in the directory-not-found
    // mode it writes nothing. A failure shows the directory-not-found window and sets the missing-directory flag.
    CfgWrite mktempcfg(const QString &cfgname);
    // The same without a word: what was done, and nothing shown.
    CfgWrite writeCfg(const QString &cfgname);
    // What Run does once the CFG file is written: builds the command line, saves Slot 3 when "Save on Run" is on and
    // starts the game, watching a direct start's first seconds. False, with which program was tried and why in
    // WHYNOT, when the game could not be started.
    bool startTheGame(QString *whyNot = nullptr);
    GameWatch *gameWatch() const { return m_watch; }
    // How the game starts with that parameter string, from what there is now: the Steam client, the native edition,
    // hl.exe or wine.
    GameStart gameToStart(const QString &parameters) const;
    // Where the setup check looks: the game folder and the mod that Run would use.
    SetupPlace setupPlace() const;

    bool isEnding() const { return m_ending; }
    // Set when a CFG file could not be written; only a folder chosen with Browse clears it.
    bool missingDirectory() const { return m_missingDirectory; }
    // The directory-not-found window while it is open, or null.
    frmdirnotfound *dirNotFoundWindow() const { return m_dirNotFound; }

    // OptionView
    int check(std::string_view key) const override;
    QString text(std::string_view key) const override;
    int position(std::string_view key) const override;
    void setCheck(std::string_view key, int state) override;
    void setText(std::string_view key, const QString &text) override;
    void setPosition(std::string_view key, int position) override;

signals:
    // The program is to end now; waits return and handlers that waited stop.
    void programEnding();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Reads the clipboard's command line or CFG file into the options, or Steam's launch options for Half-Life
    // (form1_import.cpp).
    QAction *importClipboard, *importSteamOptions;
    // Opens the setup check's window (form1_messages.cpp).
    QAction *setupCheckAction;

    // Header strip
    QGroupBox *cmdlinfram;
    QPlainTextEdit *prntcmdline;
    QLabel *customcmdlabel;
    TextField *customcmd;
    QGroupBox *loadpreffram;
    QPushButton *load1, *load2, *load3;
    QGroupBox *savepreffram;
    QPushButton *save1, *save2, *save3;
    QGroupBox *defpreffram;
    QRadioButton *def1opt, *def2opt, *def3opt;
    QPushButton *buthelp;

    // General Options page, upper part
    QGroupBox *Frame1;
    OptionCheckBox *chknumping, *chkmmx, *chktocon, *chkcheat, *chkmlook, *chkmfilt, *chkshad;
    OptionCheckBox *chkmap;
    QPushButton *butmap;
    TextField *txtmap;
    OptionCheckBox *chkcfg;
    QPushButton *butcfg;
    TextField *txtcfg;
    QLabel *skilllabel, *prntskill;
    QSlider *scrlskill;
    QLabel *conspdlabel, *prntconspd;
    QScrollBar *scrlcon;
    OptionCheckBox *chkthird, *chkdev, *chkflip, *chkjoy;
    QPushButton *butmulti, *butperf;
    LinkLabel *corvanalink;

    // Bottom strip
    QLabel *hldirlabel;
    QPushButton *buthldir;
    TextField *hldir;
    QPushButton *butmkcfg;
    TextField *txtmkcfg;
    QLabel *Label6;
    OptionCheckBox *chkclosrun, *chksavrun;
    QPushButton *butgonow, *butdelsav, *resetset, *butclose;

    // Multiplayer page
    QGroupBox *multifram;
    OptionCheckBox *chkdm, *chklan, *chkdownload, *chkupload, *chkhimodel;
    OptionCheckBox *chkrate;
    TextField *txtrate;
    OptionCheckBox *chkmaxp;
    TextField *txtmaxp;
    OptionCheckBox *chkfpslan;
    TextField *txtfpslan;
    OptionCheckBox *chkfpsnet;
    TextField *txtfpsnet;
    OptionCheckBox *chkpush;
    QLabel *pushminus;
    TextField *txtpush;
    QPushButton *Command1;

    // Performance, Mod and Sound page
    QGroupBox *framperf;
    OptionCheckBox *chkdynlit, *chktexsort, *chkweap, *chkjunc, *chkdecal;
    TextField *txtdecal;
    OptionCheckBox *chkztrk;
    QGroupBox *frammod;
    OptionCheckBox *chkmod;
    TextField *txtmod;
    QLabel *modwarning;
    QPushButton *backsnd;
    QGroupBox *framsound;
    OptionCheckBox *chk16bit, *chkhisnd, *chkreverb, *chkprfsnd, *chkeax, *chka3d;
    LinkLabel *Image1;

    // Help page
    QGroupBox *framhelp;
    QPlainTextEdit *txthelp;
    LinkLabel *Label7;
    QPushButton *helpbrask, *backhlp;

    // Comic page
    QGroupBox *braskfram;
    QLabel *braskback;
    QLabel *brask1, *brask2, *brask3, *brask4;
    QPushButton *braskscrll, *braskscrlr;
    QPushButton *brask1but, *brask2but, *brask3but, *brask4but;
    QPushButton *braskbackbut;
    OptionCheckBox *chkdnf;
    LinkLabel *Label9;

private:
    void buildHeader();
    void buildGeneralPage();
    void buildBottomStrip();
    void buildMultiplayerPage();
    void buildPerformancePages();
    void buildHelpPage();
    void buildComicPage();
    void stackPages();
    void wireOptions();
    void wireNavigation();
    void wireCommands();
    void formLoad(const StartUp &startUp);
    void endProgram();

    void butgonowClicked();
    void butmkcfgClicked();
    void buthldirClicked();
    void saveClicked(int slot);
    void chooseDefaultSlot(int slot);
    void resetsetClicked();
    void butdelsavClicked();
    void closingFlash();
    void wireGameWatch();
    // The messages of a game that did not start or ended at once, and the setup check (form1_messages.cpp).
    void gameEndedAtOnce(const GameEnding &ending);
    void couldNotStart(const QString &whyNot);
    void showSetupCheck(QWidget *over);
    // Adds Check Setup and Copy Report to a message; the report begins with the message's text.
    void offerCheckAndReport(QMessageBox *box, const QString &happened = {});
    QString reportText(const QString &happened, const SetupCheck &check);

    // The Help page, the comic and the links (form1_help.cpp).
    void wireHelpAndComic();
    void wireImport();
    // Sets the options that a command line or a CFG file names, and says for a moment how many.
    void importOptions(const QString &text);
    void showImported(const Imported &imported);
    void hideCovered();
    // The preview's menu, at that place in its text.
    void openPreviewMenu(const QPoint &at);
    void focusTopPage();
    void choosePanel(int panel);
    void scrollPanels(bool toTheRight);
    void loadPictures();
    void loadHelpText();
    void showDirNotFound();
    // Sets a caption that the command shows for the given seconds, fitted to its control, and tells a screen reader.
    void sayOnButton(QAbstractButton *button, const QString &caption, double seconds);
    // Shows SAID as the frame's title for the given seconds, then its USUAL title again, without waiting for it; a
    // later word restarts the time.
    void sayForAMoment(QGroupBox *frame, const QString &said, const char *usual, int seconds);

    // Controls made from the option catalogue, placed at x, y, width, height.
    OptionCheckBox *makeCheck(std::string_view key, QWidget *parent, int x, int y, int w, int h = 17);
    TextField *makeField(std::string_view key, QWidget *parent, int x, int y, int w, int h = 19);

    void chktoconClicked();
    void chkcfgClicked();
    void chkmapClicked();
    void numericFieldLeft(std::string_view key);
    void showConsoleSpeed();

    OptionCheckBox *checkBox(std::string_view key) const;
    TextField *textField(std::string_view key) const;
    QAbstractSlider *slider(std::string_view key) const;

    // The map and CFG pickers (form1_pickers.cpp).
    void butmapClicked();
    void butcfgClicked();
    void openPicker(QPointer<FilePicker> &picker, FilePicker *opening, std::string_view field);
    void closePickers();
    QPointer<FilePicker> m_mapPicker, m_cfgPicker;
    // The mods of the Game directory, read when it changes, that the Mod field offers as it is typed.
    void wireMods();
    void readMods();
    void offerMods();
    QStandardItemModel *m_mods = nullptr;

    std::unordered_map<std::string_view, OptionCheckBox *> m_checks;
    std::unordered_map<std::string_view, TextField *> m_fields;
    std::unordered_map<std::string_view, QAbstractSlider *> m_sliders;
    std::unordered_set<QWidget *> m_covered; // hidden while the pages above them cover them

    Store m_store;
    bool m_ending = false;
    bool m_missingDirectory = false;
    int m_deleteAllClicks = 0;
    QString m_helpText;
    bool m_helpLoaded = false;
    bool m_picturesLoaded = false;
    QPointer<frmdirnotfound> m_dirNotFound;
    // What there is to start the game with, and Steam's own launch options for it: found when the Game directory
    // changes, so that a keystroke reads no file.
    void findTheGame();
    GameFinds m_finds;
    std::optional<QString> m_steamOptions;
    QTimer *m_findLater = nullptr;
    GameWatch *m_watch = nullptr;
    bool m_endWhenWatched = false; // Run closed the window: the program ends once the game's start is watched
};

} // namespace vantor
