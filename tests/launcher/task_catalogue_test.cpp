#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "launcher/task_catalogue.h"

using launcher::CategoryEntry;
using launcher::TaskCatalogue;
using launcher::TaskEntry;

namespace {

// The tables as literals: a dropped trailing blank or a "fixed" misspelling must fail here.
const CategoryEntry ExpectedCategories[] = {
    {"panData", "Data CD / DVD / Blue-ray", 0, true, "panDataDetail", "imgData", "labData", "imgArrow1"},
    {"panISO", "ISO Image", 75, true, "panISODetail", "imgISO", "labIso", "Image1"},
    {"panErase", "Erase Disc", 150, true, "panEraseDetail", "imgErase", "labErase", "Image2"},
    {"panDiscInfo", "Disc Informaion", 224, true, "panDiscInfoDetail", "imgDiscInfo", "labDiscInfo", "Image3"},
    {"panAudio", "Audio CD", 299, false, "panAudioDetail", "imgAudio", "labAudio", "Image4"},
    {"panVideo", "Video Disc (VCD, SVCD, DVD)", 374, false, "panVideoDetail", "imgVideo", "labVideo", "Image5"},
};

const TaskEntry ExpectedTasks[] = {
    {"panDataCD", "panDataDetail", 0, true,
     "Data CD",
     "Create a standard data CD disc which can be used to store all types of files",
     "and folders. The disc can be read on all Windows Systems.",
     "DataBurner.exe", "Data Burner Wizard",
     "The component of data burning is missing. Please re-install ",
     "imgDataCD", "labDataCD", "labDataCDLine1", "labDataCDLine2"},
    {"panDataDVD", "panDataDetail", 66, true,
     "Data DVD",
     "Create a data DVD disc (DVD+/-R, DVD+/-RW) for storing all types of files",
     "and folders. The DVD disc can be read on all Windows Systems.",
     "DataBurner.exe", "Data Burner Wizard",
     "The component of data burning is missing. Please re-install ",
     "imgDataDVD", "labDataDVD", "labDataDVDLine1", "labDataDVDLine2"},
    {"panDataBD", "panDataDetail", 132, true,
     "Data Blue-ray Disc",
     "Create a blue-ray disc which can be used to store all types of files and folders ",
     "The blue-ray disc can be read on all Windows Systems.",
     "DataBurner.exe", "Data Burner Wizard",
     "The component of data burning is missing. Please re-install ",
     "imgDataBD", "labDataBD", "labDataBDLine1", "labDataBDLine2"},
    {"panAudioCD", "panAudioDetail", 0, true,
     "Audio CD",
     "Create a standard Audio CD that can will play on all Audio CD players and ",
     "computer CD/DVD-Rom. Supports WAV, MP3, WMA, OGG, WMV, ASF",
     "AudioBurner.exe", "Audio Burner Wizard",
     "The component of audio CD burning is missing. Please re-install ",
     "imgAudioCD", "labAudioCD", "labAudioCDLine1", "labAudioCDLine2"},
    {"panAudioCompressor", "panAudioDetail", 66, true,
     "Audio Compressor",
     "This Audio Compressor provides a quick compression and decompression",
     "between WAV and WMA files.",
     "AudioCompressor.exe", "Audio Compressor Wizard",
     "The component of audio compressor is missing. Please re-install ",
     "imgAudioCompressor", "labAudioCompressor", "labAudioCompressorLine1", "labAudioCompressorLine2"},
    {"panAudioRipper", "panAudioDetail", 132, true,
     "Audio CD Grabber",
     "Extract audio tracks from Audio CD and save them as WMA, WAV format. You",
     "can convert the audio to MP3,OGG format by another product of ours.",
     "AudioGrabber.exe", "Audio Grabber Wizard",
     "The component of audio CD grabbing is missing. Please re-install ",
     "imgAudioRipper", "labAudioRipper", "labAudioRipperLine1", "labAudioRipperLine2"},
    {"panVideoVCD", "panVideoDetail", 0, true,
     "Video CD (VCD)",
     "Create a Video CD from MPEG-1 video files that can be played back on most",
     "VCD and DVD players.",
     "VideoBurner.exe", "Video Burner Wizard",
     "The component of VCD burning is missing. Please re-install ",
     "imgVideoVCD", "labVideoVCD", "labVideoVCDLine1", "labVideoVCDLine2"},
    {"panVideoSVCD", "panVideoDetail", 66, true,
     "Super Video CD (SVCD)",
     "create a high quality super Video CD from MPEG-2 video files that can be",
     "played back on most SVCD and DVD players.",
     "VideoBurner.exe", "Video Burner Wizard",
     "The component of SVCD burning is missing. Please re-install ",
     "imgVideoSVCD", "labVideoSVCD", "labVideoSVCDLine1", "labVideoSVCDLine2"},
    {"panVideoDVD", "panVideoDetail", 132, true,
     "DVD Video",
     "Create a high quality DVD-Video from premaster VIDEO_TS foldered. You",
     "can backup movies/videos on DVD video discs and your hard-disc.",
     "VideoBurner.exe", "Video Burner Wizard",
     "The component of DVD burning is missing. Please re-install ",
     "imgVideoDVD", "labVideoDVD", "labVideoDVDLine1", "labVideoDVDLine2"},
    {"panISOBurn", "panISODetail", 0, true,
     "Burn ISO image",
     "Create a CD/DVD disc from the ISO image file. Supports CD-R, CD-RW,",
     "DVD+R, DVD-R, DVD+RW and DVD-RW.",
     "ImageBurner.exe", "Image Burning Wizard",
     "The component of ISO image burning is missing. Please re-install ",
     "imgISOBurn", "labISOburn", "labISOBurnLine1", "labISOBurnLine2"},
    {"panISOBuild", "panISODetail", 66, true,
     "Build ISO image from files",
     "Create an ISO image from all types of files and folders. The image can be read",
     "on a vitrual drive and burned to a CD/DVD disc.",
     "ImageBuilder.exe", "Image Builder Wizard",
     "The component of ISO image building is missing. Please re-install ",
     "imgISOBuild", "labISOBuild", "labISOBuildLine1", "labISOBuildLine2"},
    {"panISOGrab", "panISODetail", 132, true,
     "Build ISO image from CD / DVD",
     "Create an ISO image file from all files and folders on a CD/DVD disc. You",
     "can backup a disc to an ISO image.",
     "ImageGrabber.exe", "Image Grabber Wizard",
     "The component of ISO image grabbing is missing. Please re-install ",
     "imgISOGrab", "labISOGrab", "labISOGrabLine1", "labISOGrabLine2"},
    {"panISOOpen", "panISODetail", 198, false,
     "Open ISO image / Virual Drive",
     "Create a virtual CD-Rom / DVD-Rom drive on your computer, which can read",
     "ISO images.",
     "VirtualDrive.exe", "Virtual Drive Wizard",
     "The component of virtual drive is missing. Please re-install ",
     "imgISOOpen", "labISOOpen", "labISOOpenLine1", "labISOOpenLine2"},
    {"panEraseDisc", "panEraseDetail", 0, true,
     "Erase Disc",
     "Erase a rewritable disc. 2 methods of erasing are supported - Fast erase and ",
     "full erase.",
     "DiscEraser.exe", "Disc Eraser Wizard",
     "The component of erasing is missing. Please re-install ",
     "imgEraseDisc", "labEraseDisc", "labEraseDiscLine1", "labEraseDiscLine2"},
    {"panDiscInformation", "panDiscInfoDetail", 0, true,
     "Drive  / Disc Informaion",
     "Display the information about CD/DVD devices present in the system and",
     "discs inserted into them.",
     "DeviceInfo.exe", "Device Info Wizard",
     "The component of Device Information Viewer is missing. Please re-install ",
     "imgDiscInformation", "labDiscInformation", "labDiscInformationLine1", "labDiscInformationLine2"},
};

void expectSame(const CategoryEntry& actual, const CategoryEntry& expected)
{
    EXPECT_EQ(actual.tileName, expected.tileName);
    EXPECT_EQ(actual.caption, expected.caption);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.shown, expected.shown);
    EXPECT_EQ(actual.paneName, expected.paneName);
    EXPECT_EQ(actual.iconName, expected.iconName);
    EXPECT_EQ(actual.captionName, expected.captionName);
    EXPECT_EQ(actual.markerName, expected.markerName);
}

void expectSame(const TaskEntry& actual, const TaskEntry& expected)
{
    EXPECT_EQ(actual.tileName, expected.tileName);
    EXPECT_EQ(actual.paneName, expected.paneName);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.shown, expected.shown);
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.line1, expected.line1);
    EXPECT_EQ(actual.line2, expected.line2);
    EXPECT_EQ(actual.componentFile, expected.componentFile);
    EXPECT_EQ(actual.watchTitle, expected.watchTitle);
    EXPECT_EQ(actual.missingText, expected.missingText);
    EXPECT_EQ(actual.iconName, expected.iconName);
    EXPECT_EQ(actual.titleName, expected.titleName);
    EXPECT_EQ(actual.line1Name, expected.line1Name);
    EXPECT_EQ(actual.line2Name, expected.line2Name);
}

} // namespace

TEST(TaskCatalogue, CategoriesMatchTheTableInOrder)
{
    const auto categories = TaskCatalogue::categories();
    ASSERT_EQ(categories.size(), std::size(ExpectedCategories));
    for (std::size_t i = 0; i < categories.size(); ++i) {
        SCOPED_TRACE(std::string(ExpectedCategories[i].tileName));
        expectSame(categories[i], ExpectedCategories[i]);
    }
}

TEST(TaskCatalogue, TasksMatchTheTableInOrder)
{
    const auto tasks = TaskCatalogue::tasks();
    ASSERT_EQ(tasks.size(), std::size(ExpectedTasks));
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        SCOPED_TRACE(std::string(ExpectedTasks[i].tileName));
        expectSame(tasks[i], ExpectedTasks[i]);
    }
}

TEST(TaskCatalogue, TextsKeepTheirOddBlanks)
{
    EXPECT_EQ(TaskCatalogue::task("panDiscInformation")->title, "Drive  / Disc Informaion");
    EXPECT_EQ(TaskCatalogue::task("panDataBD")->line1.back(), ' ');
    EXPECT_EQ(TaskCatalogue::task("panAudioCD")->line1.back(), ' ');
    EXPECT_EQ(TaskCatalogue::task("panEraseDisc")->line1.back(), ' ');
    for (const TaskEntry& task : TaskCatalogue::tasks()) {
        EXPECT_TRUE(task.missingText.ends_with(" Please re-install ")) << task.tileName;
    }
}

TEST(TaskCatalogue, LooksUpByTileName)
{
    const TaskEntry* task = TaskCatalogue::task("panISOBurn");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->componentFile, "ImageBurner.exe");
    const CategoryEntry* category = TaskCatalogue::category("panErase");
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->caption, "Erase Disc");
}

TEST(TaskCatalogue, UnknownNamesYieldNoEntry)
{
    for (const char* name : {"", "panNothing", "pandata", "panData ", "panDataDetail", "imgData"}) {
        EXPECT_EQ(TaskCatalogue::category(name), nullptr) << name;
        EXPECT_EQ(TaskCatalogue::paneOf(name), "") << name;
    }
    EXPECT_EQ(TaskCatalogue::task("panData"), nullptr);
    EXPECT_EQ(TaskCatalogue::task("PANDATACD"), nullptr);
    EXPECT_TRUE(TaskCatalogue::tasksOfPane("panNoDetail").empty());
}

TEST(TaskCatalogue, HiddenCategoriesAreFullyWired)
{
    EXPECT_EQ(TaskCatalogue::paneOf("panAudio"), "panAudioDetail");
    EXPECT_EQ(TaskCatalogue::paneOf("panVideo"), "panVideoDetail");
    for (const char* pane : {"panAudioDetail", "panVideoDetail"}) {
        const auto tasks = TaskCatalogue::tasksOfPane(pane);
        ASSERT_EQ(tasks.size(), 3U) << pane;
        for (const TaskEntry* task : tasks) {
            EXPECT_FALSE(task->componentFile.empty());
            EXPECT_FALSE(task->watchTitle.empty());
            EXPECT_FALSE(task->missingText.empty());
        }
    }
}

TEST(TaskCatalogue, PanesListTheirTasksInTableOrderStackedByTileHeight)
{
    std::set<std::string_view> categoryPanes;
    for (const CategoryEntry& category : TaskCatalogue::categories()) {
        categoryPanes.insert(category.paneName);
    }
    const auto panes = TaskCatalogue::panes();
    EXPECT_EQ(std::set<std::string_view>(panes.begin(), panes.end()), categoryPanes);

    std::size_t listed = 0;
    for (const std::string_view pane : panes) {
        const auto tasks = TaskCatalogue::tasksOfPane(pane);
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            EXPECT_EQ(tasks[i]->top, static_cast<int>(i) * launcher::TaskTileHeight)
                << tasks[i]->tileName;
        }
        listed += tasks.size();
    }
    EXPECT_EQ(listed, TaskCatalogue::tasks().size());

    const auto iso = TaskCatalogue::tasksOfPane("panISODetail");
    ASSERT_EQ(iso.size(), 4U);
    EXPECT_EQ(iso[0]->tileName, "panISOBurn");
    EXPECT_EQ(iso[3]->tileName, "panISOOpen");
}

TEST(TaskCatalogue, SharedComponentsShareTheirWatchTitle)
{
    for (const char* pane : {"panDataDetail", "panVideoDetail"}) {
        const auto tasks = TaskCatalogue::tasksOfPane(pane);
        for (const TaskEntry* task : tasks) {
            EXPECT_EQ(task->componentFile, tasks.front()->componentFile);
            EXPECT_EQ(task->watchTitle, tasks.front()->watchTitle);
        }
    }
}
