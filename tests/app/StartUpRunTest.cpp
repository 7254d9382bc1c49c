// Start-up as a whole, in this process: the program's dialogs are answered
// by a responder from inside their modal loops.
#include <gtest/gtest.h>

#include <memory>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "app/ToolServices.h"
#include "core/longtime/LongtimeOperation.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/DatabaseSnapshot.h"
#include "platform/Platform.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/CountryDirectory.h"
#include "ui/skin/SkinBitmap.h"
#include "ui/base/WorldCountryDirectory.h"
#include "win/NamedMutex.h"

namespace {

using app_test::Responder;
using Seen = Responder::Seen;

class StartUpRun : public testing::Test {
protected:
    // Runs start-up and shut-down with the responder answering.
    void Run(const char16_t* commandLine)
    {
        gui_test::ModalDriver driver([this] { return responder_.Step(); }, 20000);
        app_->InitInstance(commandLine);
        app_->ExitInstance();
        EXPECT_FALSE(driver.TimedOut());
        // The splash, when start-up got that far, went with its window.
        EXPECT_EQ(app_->GetSplash(), nullptr);
    }
    void Restart() { globals_ = std::make_unique<CGlobalObjects>(), app_ = &globals_->App(); }

    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    CLedraApp* app_ = &globals_->App();
    Responder responder_;
};

TEST_F(StartUpRun, RefusedAgreementSetsNoFolderAndTakesNoMutex)
{
    app_test::WorkingFolder folder(u"refused", true);
    app_test::StoreAcceptance(false);
    win::CNamedMutex game;
    ASSERT_EQ(game.Create(GameEditorMutexName), win::CNamedMutex::Result::Created);
    responder_.agreementAnswer = IDCANCEL;
    Run(u"editor.exe");
    // Had it gone on, the held mutex would have shown its message.
    EXPECT_EQ(responder_.seen, std::vector<Seen>{Seen::Agreement});
    EXPECT_TRUE(app_->GetBaseFolder().empty());
    EXPECT_FALSE(app_test::FindDialogWith(2092));
}

TEST_F(StartUpRun, AcceptedOnceThenASecondInstanceMeetsTheMutexInTheUserLanguage)
{
    app_test::WorkingFolder folder(u"second", true);
    folder.WriteLocaleIni("ger");
    app_test::StoreAcceptance(false);
    win::CNamedMutex game;
    ASSERT_EQ(game.Create(GameEditorMutexName), win::CNamedMutex::Result::Created);
    Run(u"editor.exe");
    EXPECT_EQ(responder_.seen, (std::vector<Seen>{Seen::Agreement, Seen::Message}));
    ASSERT_EQ(responder_.messages.size(), 1u);
    EXPECT_EQ(responder_.messages[0], u"Der Editor und das Spiel können nicht gleichzeitig gestartet werden.");
    EXPECT_EQ(responder_.captions[0], u"Fehler!");
    EXPECT_EQ(app_->GetBaseFolder(), folder.Path());
    EXPECT_EQ(app_->GetDatabaseFolder(), folder.Path() + u"\\trdata\\ger");

    // Stored now: the agreement is not shown again; Polish users read English.
    folder.WriteLocaleIni("ger");
    Restart();
    responder_ = Responder();
    folder.WriteLocaleIni("POL");
    app_test::StoreAcceptance(true);
    Run(u"editor.exe");
    EXPECT_EQ(responder_.seen, std::vector<Seen>{Seen::Message});
    EXPECT_EQ(responder_.messages.at(0), u"Starting the game and the editor at the same time is not possible.");
}

TEST_F(StartUpRun, ExternalStartsBesideTheGameWithEveryHookInstalled)
{
    app_test::WorkingFolder folder(u"external", true);
    app_test::StoreAcceptance(true);
    win::CNamedMutex game;
    ASSERT_EQ(game.Create(GameEditorMutexName), win::CNamedMutex::Result::Created);
    HBITMAP skin = nullptr;
    responder_.onMainWindow = [&skin] { skin = GetSkinBitmap(); };
    Run(u"editor.exe -external -fr -minidumphotkey");
    EXPECT_EQ(responder_.seen, (std::vector<Seen>{Seen::MainWindow, Seen::Message}));
    EXPECT_TRUE(app_->IsExternalMode());
    EXPECT_EQ(app_->GetLanguageIndex(), 2);
    EXPECT_EQ(CTextManager::Instance()->GetLanguage(), CTextManager::French);
    // The close question came in the program's box, in French.
    EXPECT_EQ(responder_.messages.at(0), u"Voulez-vous fermer l'éditeur ?");
    EXPECT_EQ(responder_.captions.at(0), u"Éditeur de base de données Trellan");
    EXPECT_NE(dynamic_cast<const CWorldCountryDirectory*>(GetCountryDirectory()), nullptr);
    EXPECT_NE(skin, nullptr);
    EXPECT_EQ(TCompleteWorld().GetDatabaseLanguage(), 2);

    // Long-running operations get the progress dialog until the teardown.
    LongtimeProgressFactory installed = SetLongtimeProgressFactory({});
    EXPECT_TRUE(installed);
    SetLongtimeProgressFactory(std::move(installed));

    globals_.reset();
    EXPECT_EQ(GetCountryDirectory(), nullptr);
    EXPECT_EQ(GetSkinBitmap(), nullptr);
    EXPECT_FALSE(SetLongtimeProgressFactory({}));
}

TEST_F(StartUpRun, MessagesOfTheLibrariesReachTheProgramBox)
{
    app_->SetMessageBoxCaption(u"Caption of the program", nullptr);
    {
        gui_test::ModalDriver driver([this] { return responder_.Step(); });
        EXPECT_EQ(ShowAppMessageBox(u"From below", 0x4), 6);
    }
    EXPECT_EQ(responder_.messages, std::vector<std::u16string>{u"From below"});
    EXPECT_EQ(responder_.captions, std::vector<std::u16string>{u"Caption of the program"});
}

TEST_F(StartUpRun, RestoreRunsBelowTheWorkingFolderAndAFailedOneAsksNoRestart)
{
    app_test::WorkingFolder folder(u"restore", true);
    app_test::StoreAcceptance(true);
    Run(u"editor.exe -restore -de -en -longest");
    // The question, then the snapshot's own message about the missing archive.
    ASSERT_GE(responder_.messages.size(), 2u);
    EXPECT_EQ(responder_.seen[0], Seen::Message);
    for (Seen seen : responder_.seen) EXPECT_NE(seen, Seen::MainWindow);
    EXPECT_EQ(app_->GetBaseFolder(), folder.Path());
    EXPECT_FALSE(app_->IsRestartOnExit());
    EXPECT_EQ(app_->GetLanguageIndex(), 1);
    EXPECT_EQ(CTextManager::Instance()->GetLanguage(), CTextManager::English);
    EXPECT_TRUE(CTextManager::Instance()->IsLongestTextMode());
    CTextManager::Instance()->SetLongestTextMode(false);

    // Called directly: No changes nothing; Yes over a missing archive fails;
    // Yes over a real snapshot restores and asks for the restart.
    gui_test::ModalDriver driver([this] { return responder_.Step(); }, 20000);
    for (int answer : {IDNO, IDYES}) {
        responder_.messageAnswer = answer;
        EXPECT_FALSE(PromptRestoreFromBackup());
        EXPECT_FALSE(app_->IsRestartOnExit());
    }
    const std::u16string countries = folder.Path() + u"\\Database\\Countries.sav";
    const std::vector<std::uint8_t> original = testing_support::ReadBytes(countries);
    CDatabaseSnapshot snapshot;
    snapshot.Create(folder.Path() + u"\\trdata\\Restore.big");
    ASSERT_TRUE(snapshot.HasSucceeded());
    testing_support::WriteBytes(countries, std::string("changed"));
    EXPECT_TRUE(PromptRestoreFromBackup());
    EXPECT_TRUE(app_->IsRestartOnExit());
    EXPECT_EQ(testing_support::ReadBytes(countries), original);
    app_->SetRestartOnExit(false);
}

TEST_F(StartUpRun, LanguageFromLocaleIniAndAMissingLocalisationFile)
{
    {
        app_test::WorkingFolder folder(u"german", false);
        folder.WriteLocaleIni("Ger");
        ASSERT_TRUE(app_->InitLanguageAndTexts());
        EXPECT_EQ(app_->GetLanguageIndex(), 0);
        EXPECT_EQ(CTextManager::Instance()->GetLanguage(), CTextManager::German);
    }
    app_test::WorkingFolder empty(u"empty", false, false);
    Run(u"editor.exe");
    ASSERT_EQ(responder_.messages.size(), 1u);
    EXPECT_EQ(responder_.messages[0], u"FATAL ERROR: Unable to load localization resource from " + empty.Path() +
                                          u"\\trdata\\DatabaseEditor.txt");
}

TEST_F(StartUpRun, AFolderTheCodePageCannotHoldIsRefused)
{
    app_test::WorkingFolder folder(u"\u4E16\u754C", true);
    app_test::StoreAcceptance(true);
    Run(u"editor.exe");
    ASSERT_EQ(responder_.messages.size(), 1u);
    EXPECT_EQ(responder_.messages[0], CTextManager::Instance()->GetText(u"Database.ErrorUnicode"_tk));
    EXPECT_TRUE(app_->GetBaseFolder().empty());
}

}  // namespace
