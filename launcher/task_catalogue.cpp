#include "launcher/task_catalogue.h"

#include <algorithm>

namespace launcher {
namespace {

constexpr std::array<CategoryEntry, 6> Categories{{
    {"panData", "Data CD / DVD / Blue-ray", 0, true, "panDataDetail", "imgData", "labData", "imgArrow1"},
    {"panISO", "ISO Image", 75, true, "panISODetail", "imgISO", "labIso", "Image1"},
    {"panErase", "Erase Disc", 150, true, "panEraseDetail", "imgErase", "labErase", "Image2"},
    {"panDiscInfo", "Disc Informaion", 224, true, "panDiscInfoDetail", "imgDiscInfo", "labDiscInfo", "Image3"},
    {"panAudio", "Audio CD", 299, false, "panAudioDetail", "imgAudio", "labAudio", "Image4"},
    {"panVideo", "Video Disc (VCD, SVCD, DVD)", 374, false, "panVideoDetail", "imgVideo", "labVideo", "Image5"},
}};

constexpr std::array<TaskEntry, 15> Tasks{{
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
}};

constexpr std::array<std::string_view, 6> Panes{
    "panDataDetail", "panAudioDetail", "panVideoDetail",
    "panISODetail",  "panEraseDetail", "panDiscInfoDetail",
};

} // namespace

std::span<const CategoryEntry> TaskCatalogue::categories() { return Categories; }

std::span<const TaskEntry> TaskCatalogue::tasks() { return Tasks; }

std::span<const std::string_view> TaskCatalogue::panes() { return Panes; }

const CategoryEntry* TaskCatalogue::category(std::string_view tileName)
{
    const auto it = std::ranges::find(Categories, tileName, &CategoryEntry::tileName);
    return it == Categories.end() ? nullptr : &*it;
}

const TaskEntry* TaskCatalogue::task(std::string_view tileName)
{
    const auto it = std::ranges::find(Tasks, tileName, &TaskEntry::tileName);
    return it == Tasks.end() ? nullptr : &*it;
}

std::vector<const TaskEntry*> TaskCatalogue::tasksOfPane(std::string_view paneName)
{
    std::vector<const TaskEntry*> result;
    for (const TaskEntry& entry : Tasks) {
        if (entry.paneName == paneName) {
            result.push_back(&entry);
        }
    }
    return result;
}

std::string_view TaskCatalogue::paneOf(std::string_view categoryTileName)
{
    const CategoryEntry* entry = category(categoryTileName);
    return entry == nullptr ? std::string_view{} : entry->paneName;
}

} // namespace launcher
