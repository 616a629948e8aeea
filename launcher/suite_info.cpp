#include "launcher/suite_info.h"

namespace launcher {

std::string EnsureTrailingBackslash(const std::string& text, char separator)
{
    if (!text.empty() && text.back() == separator) {
        return text;
    }
    return text + separator;
}

std::string DirectoryOf(const std::string& path, char separator)
{
    const auto last = path.rfind(separator);
    if (last == std::string::npos) {
        return {};
    }
    std::string directory = path.substr(0, last);
    // "" is the root of a POSIX path or of a drive-less Windows path, "X:" a drive.
    const bool isRoot = directory.empty()
        || (separator == '\\' && directory.size() == 2 && directory[1] == ':');
    if (isRoot) {
        directory.push_back(separator);
    }
    return directory;
}

StartupValues ReadStartupValues(platform::OsServices& os)
{
    const char separator = os.pathSeparator();
    StartupValues values;
    SuiteInfo& suite = values.suite;

    const std::string directory = DirectoryOf(os.executablePath(), separator);
    // With no directory at all the files are looked for where the process stands.
    suite.installDirectory = directory.empty() ? directory
                                               : EnsureTrailingBackslash(directory, separator);
    suite.versionText = os.readProfileString(suite.installDirectory + SettingsFileName, "General",
                                             "Version", DefaultVersionText);
    suite.productName = "Korvalen Vorerer";
    suite.webAddress = "https://www.korvalen.example/";
    suite.companyName = "Tessmere Software, Inc.";
    suite.yearsText = "2008-2009";
    suite.helpFile = suite.installDirectory + HelpFileName;
    suite.launchToken = "LaunchComponentApplication";

    values.caption = suite.productName + " V" + suite.versionText;
    return values;
}

} // namespace launcher
