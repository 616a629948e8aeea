#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/component_watcher.h"
#include "recording_platform.h"

using launcher::ComponentWatcher;
using launcher::TaskCatalogue;
using State = launcher::ComponentWatcher::State;
using Events = std::vector<std::string>;

namespace {

class Watcher : public testing::Test {
protected:
    Watcher()
    {
        m_suite.installDirectory = "/opt/suite/";
        m_suite.productName = "Korvalen Vorerer";
        m_suite.launchToken = "LaunchComponentApplication";
        for (const char* file : {"DataBurner.exe", "ImageBurner.exe", "VideoBurner.exe"}) {
            m_platform.files.insert(m_suite.installDirectory + file);
        }
    }

    void launch(const char* tile) { m_watcher.LaunchComponent(*TaskCatalogue::task(tile)); }

    testsupport::RecordingPlatform m_platform;
    launcher::SuiteInfo m_suite;
    ComponentWatcher m_watcher{m_platform, m_suite};
};

} // namespace

TEST_F(Watcher, LaunchStartsTheComponentWithTheFixedParameters)
{
    launch("panDataDVD");
    ASSERT_EQ(m_platform.shellRequests.size(), 1U);
    EXPECT_EQ(m_platform.shellRequests[0].file, "/opt/suite/DataBurner.exe");
    EXPECT_EQ(m_platform.shellRequests[0].parameters,
              "LaunchComponentApplication Korvalen Vorerer");
    EXPECT_EQ(m_watcher.watchTitle(), "Data Burner Wizard");
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    EXPECT_EQ(m_platform.events, Events{"timer on"});
    EXPECT_TRUE(m_platform.boxes.empty());
}

TEST_F(Watcher, SharedComponentsGetTheSameRequest)
{
    for (const char* tile :
         {"panDataCD", "panDataDVD", "panDataBD", "panVideoVCD", "panVideoSVCD", "panVideoDVD"}) {
        launch(tile);
    }
    ASSERT_EQ(m_platform.shellRequests.size(), 6U);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(m_platform.shellRequests[i], m_platform.shellRequests[i < 3 ? 0 : 3]);
    }
    EXPECT_EQ(m_platform.shellRequests[3].file, "/opt/suite/VideoBurner.exe");
}

TEST_F(Watcher, MissingComponentShowsTheBoxAndLeavesTheWatchAlone)
{
    launch("panISOBurn");
    m_platform.events.clear();
    launch("panEraseDisc");
    ASSERT_EQ(m_platform.boxes.size(), 1U);
    EXPECT_EQ(m_platform.boxes[0].text,
              "The component of erasing is missing. Please re-install Korvalen Vorerer");
    EXPECT_EQ(m_platform.boxes[0].caption, "Component is missing.");
    EXPECT_EQ(m_platform.shellRequests.size(), 1U);
    EXPECT_EQ(m_watcher.watchTitle(), "Image Burning Wizard");
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    EXPECT_TRUE(m_platform.events.empty());
}

TEST_F(Watcher, MissingComponentFromIdleStaysIdle)
{
    launch("panDiscInformation");
    EXPECT_EQ(m_platform.boxes.size(), 1U);
    EXPECT_EQ(m_watcher.state(), State::Idle);
    EXPECT_TRUE(m_platform.events.empty());
}

TEST_F(Watcher, AComponentDirectoryIsNotAComponent)
{
    // fileExists is the platform's word; a directory answers false there.
    m_platform.files.clear();
    launch("panDataCD");
    EXPECT_EQ(m_platform.boxes.size(), 1U);
    EXPECT_TRUE(m_platform.shellRequests.empty());
}

TEST_F(Watcher, FullCycleTickByTick)
{
    launch("panISOBurn");
    m_platform.events.clear();

    m_watcher.tick(); // the window is not there yet
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    EXPECT_TRUE(m_platform.events.empty());
    EXPECT_EQ(m_platform.queries, Events{"Image Burning Wizard"});

    m_platform.windows.insert("Image Burning Wizard");
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Watching);
    EXPECT_EQ(m_platform.events, Events{"hide"});

    m_watcher.tick(); // still open: hidden again, harmlessly
    EXPECT_EQ(m_platform.events, (Events{"hide", "hide"}));

    m_platform.windows.clear();
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Idle);
    EXPECT_FALSE(m_watcher.seen());
    EXPECT_EQ(m_platform.events, (Events{"hide", "hide", "timer off", "show"}));
}

TEST_F(Watcher, ASecondLaunchReplacesTheWatchTitle)
{
    launch("panISOBurn");
    launch("panDataCD");
    m_platform.windows.insert("Image Burning Wizard");
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    m_platform.windows.insert("Data Burner Wizard");
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Watching);
    // Enabling an enabled timer is the platform's to ignore; the core asks each launch.
    EXPECT_EQ(m_platform.events, (Events{"timer on", "timer on", "hide"}));
}

TEST_F(Watcher, AWindowAlreadyOpenHidesOnTheFirstTick)
{
    m_platform.windows.insert("Data Burner Wizard");
    launch("panDataBD");
    m_watcher.tick();
    EXPECT_EQ(m_platform.events, (Events{"timer on", "hide"}));
    EXPECT_EQ(m_platform.queries.size(), 2U);
}

TEST_F(Watcher, AWindowClosingBetweenTheTwoQueriesEndsTheWatchInThatTick)
{
    launch("panDataCD");
    m_platform.windows.insert("Data Burner Wizard");
    m_platform.closeAfterQueries = 0;
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Idle);
    EXPECT_EQ(m_platform.events, (Events{"timer on", "timer off", "show"}));
}

TEST_F(Watcher, AWindowShorterThanATickIsNeverSeen)
{
    launch("panDataCD");
    m_watcher.tick();
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    EXPECT_EQ(m_platform.events, Events{"timer on"});
}

TEST_F(Watcher, RelaunchAfterReturnStartsAFreshWatch)
{
    launch("panDataCD");
    m_platform.windows.insert("Data Burner Wizard");
    m_watcher.tick();
    m_platform.windows.clear();
    m_watcher.tick();
    ASSERT_EQ(m_watcher.state(), State::Idle);

    launch("panISOBurn");
    m_watcher.tick();
    EXPECT_EQ(m_watcher.state(), State::Waiting);
    EXPECT_EQ(m_platform.queries.back(), "Image Burning Wizard");
}
