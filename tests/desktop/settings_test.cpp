#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QMdiArea>
#include <fstream>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "app/recent_files.h"
#include "app/settings.h"
#include "platform/profile_file.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/fixtures.h"
#include "windows/map_window.h"

namespace hexwarden {
namespace {

using testing::ScratchDir;
using testing::ScriptedPrompts;

class SettingsTest : public ::testing::Test {
protected:
    // Closes the window as the user would, answering "Save current data?".
    static bool CloseAnswering(TfrmMain& main, ScriptedPrompts& prompts, Answer answer) {
        prompts.Answers = {answer};
        QCloseEvent close;
        QApplication::sendEvent(&main, &close);
        return close.isAccepted();
    }

    void WriteSettings(const std::string& text) { std::ofstream(file) << text; }

    ScratchDir scratch;
    std::filesystem::path file = scratch / "config" / "Hexwarden.ini";
    ScriptedPrompts prompts;
};

TEST_F(SettingsTest, RoundTripThroughCloseAndStart) {
    const std::string data = (scratch / "game.hwd").string();
    {
        TfrmMain main(file);
        main.Start("");
        main.FactionPassword = "pw";
        main.Presets = {"report.txt", data, "orders.txt"};
        main.Database().Turn = 3;
        prompts.FileNames.push_back(QString::fromStdString(data));
        main.SaveDataAs();
        main.Maps().OpenMapWindow(Level::Surface, false);
        main.Maps().OpenMapWindow(Level::Underworld, false);
        EXPECT_FALSE(CloseAnswering(main, prompts, Answer::Cancel));
        EXPECT_FALSE(std::filesystem::exists(file));
        EXPECT_TRUE(CloseAnswering(main, prompts, Answer::No));
    }
    const ProfileFile written = ProfileFile::Load(file);
    EXPECT_EQ(written.ReadString("Hexwarden", "Data"), data);
    EXPECT_EQ(written.ReadInteger("Hexwarden", "MapCount", 0), 2);
    // The active window (opened last, the underworld one) comes first.
    EXPECT_FALSE(written.ReadBool("Map1", "Overworld", true));
    EXPECT_TRUE(written.ReadBool("Map1", "Active", false));
    EXPECT_FALSE(written.ReadBool("Map2", "Active", true));
    EXPECT_EQ(written.ReadString("Recent Files", "File1"), data);

    TfrmMain again(file);
    again.Start("");
    EXPECT_EQ(again.FactionPassword, "pw");
    EXPECT_EQ(again.Presets.Open, "report.txt");
    EXPECT_EQ(again.Presets.Orders, "orders.txt");
    EXPECT_EQ(again.DataFileName, data);
    EXPECT_EQ(again.Database().Turn, 3);
    const std::vector<TfrmMap*> maps = again.Maps().MapWindows();
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(again.Maps().currentSubWindow(), maps.front());
    EXPECT_EQ(maps.front()->CurrentLevel(), Level::Underworld);
    EXPECT_TRUE(prompts.Shown.count() == 2) << prompts.Shown.join('\n').toStdString();
}

TEST_F(SettingsTest, YesClosesOnlyOnceTheDataIsSaved) {
    TfrmMain main(file);
    main.Start("");
    // A save that fails keeps the window open, and nothing is written.
    main.DataFileName = (scratch / "no such folder" / "game.hwd").string();
    EXPECT_FALSE(CloseAnswering(main, prompts, Answer::Yes));
    EXPECT_TRUE(prompts.Shown.back().startsWith("error: "));
    EXPECT_FALSE(std::filesystem::exists(file));

    // So does a cancelled "Save Data" dialog.
    main.DataFileName.clear();
    EXPECT_FALSE(CloseAnswering(main, prompts, Answer::Yes));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(CloseAnswering(main, prompts, Answer::No));
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(SettingsTest, ADataFileThatCouldNotBeOpenedStaysNamedUntilAnotherIsOpenedOrMade) {
    std::filesystem::create_directories(file.parent_path());
    const std::string unmounted = (scratch / "unmounted" / "game.hwd").string();
    WriteSettings("[Hexwarden]\nData=" + unmounted + "\n");
    for (const bool make_new : {false, true}) {
        TfrmMain main(file);
        main.Start("");
        EXPECT_TRUE(main.DataFileName.empty());
        if (make_new) {
            prompts.Answers = {Answer::Yes};
            main.NewData();
        }
        EXPECT_TRUE(CloseAnswering(main, prompts, Answer::No));
        EXPECT_EQ(ProfileFile::Load(file).ReadString("Hexwarden", "Data"), make_new ? "" : unmounted);
    }
}

TEST_F(SettingsTest, MaximisedMapWindowsComeBackMaximised) {
    {
        TfrmMain main(file);
        main.Start("");
        main.Maps().OpenMapWindow(Level::Surface, true);
        main.Maps().OpenMapWindow(Level::Underworld, true);
        EXPECT_TRUE(CloseAnswering(main, prompts, Answer::No));
    }
    // Only the active window is maximised in the frame; the other one is as soon as it is activated.
    const ProfileFile written = ProfileFile::Load(file);
    EXPECT_TRUE(written.ReadBool("Map1", "Maximised", false));
    EXPECT_TRUE(written.ReadBool("Map2", "Maximised", false));
    // Older settings marked only the active window.
    for (const std::string& text : {written.ToBytes(), std::string("[Hexwarden]\nMapCount=2\n[Map1]\nMaximised=1\n"
                                                                    "Active=1\n[Map2]\nMaximised=0\n")}) {
        WriteSettings(text);
        TfrmMain again(file);
        again.Start("");
        const std::vector<TfrmMap*> maps = again.Maps().MapWindows();
        ASSERT_EQ(maps.size(), 2u);
        EXPECT_TRUE(maps.front()->isMaximized());
        again.Maps().setActiveSubWindow(maps.back());
        EXPECT_TRUE(maps.back()->isMaximized());
    }
}

TEST_F(SettingsTest, MapCountWithoutSectionsOpensDefaultWindowsAndColoursAreRead) {
    std::filesystem::create_directories(file.parent_path());
    WriteSettings("[Hexwarden]\nMapCount=1\n[Colours]\nColorB=0000ff\nColorZ=00ff00\nColorC=red\n");
    TfrmMain main(file);
    main.Start("");
    ASSERT_EQ(main.Maps().MapWindows().size(), 1u);
    const TfrmMap& map = *main.Maps().MapWindows().front();
    EXPECT_EQ(map.CurrentLevel(), Level::Surface);
    EXPECT_FALSE(map.isMaximized());
    EXPECT_EQ(map.Zoom(), 5);
    for (int32_t slot : map.ViewOptions().WedgeSlots) EXPECT_EQ(slot, -1);
    EXPECT_EQ(QColorDialog::customColor(1), QColor(255, 0, 0));

    // A damaged count opens no more than a bounded number of windows.
    WriteSettings("[Hexwarden]\nMapCount=2000000000\n[Window]\nWidth=999999999\nLeft=-99999999\n");
    TfrmMain damaged(file);
    damaged.Start("");
    EXPECT_EQ(damaged.Maps().MapWindows().size(), static_cast<size_t>(kMaxRestoredMaps));
    EXPECT_LT(damaged.width(), 100000);
}

TEST_F(SettingsTest, UnreadableFilesAreReportedAndLeftAlone) {
    // A folder where the file should be, and a file too large to be settings: neither is read nor
    // written over, and the program goes on.
    std::filesystem::create_directories(file);
    const auto huge = scratch / "huge.ini";
    std::ofstream(huge) << "[Hexwarden]\nMapCount=1\n";
    std::filesystem::resize_file(huge, 64u << 20);
    for (const auto& settings : {file, huge}) {
        prompts.Shown.clear();
        TfrmMain main(settings);
        main.Start("");
        EXPECT_TRUE(main.Maps().MapWindows().empty());
        EXPECT_TRUE(CloseAnswering(main, prompts, Answer::No));
        ASSERT_EQ(prompts.Shown.size(), 3);
        EXPECT_TRUE(prompts.Shown[0].startsWith("error: "));
        EXPECT_TRUE(prompts.Shown[2].startsWith("error: "));
    }
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(std::filesystem::file_size(huge), 64u << 20);
}

TEST(RecentFilesTest, NewestFirstWithoutRepeatsUpToTheLimit) {
    RecentFiles recent;
    for (int i = 0; i < 10; ++i) recent.Add("f" + std::to_string(i));
    recent.Add("f5");
    ASSERT_EQ(recent.Files().size(), static_cast<size_t>(RecentFiles::kMaxFiles));
    EXPECT_EQ(recent.Files()[0], "f5");
    EXPECT_EQ(recent.Files()[1], "f9");
    EXPECT_EQ(recent.Files().back(), "f2");

    ProfileFile settings = ProfileFile::Parse("[Recent Files]\nFile1=a\nFile2=\nFile3=a\nFile4=b\n");
    recent.Read(settings);
    EXPECT_EQ(recent.Files(), std::vector<std::string>({"a", "b"}));
    recent.Write(settings);
    EXPECT_EQ(settings.ReadString("Recent Files", "File2"), "b");
    EXPECT_EQ(settings.ReadString("Recent Files", "File4"), "");
}

}  // namespace
}  // namespace hexwarden
