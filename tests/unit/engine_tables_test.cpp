#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/demo_catalogue.h"
#include "engine/resolution_slots.h"

namespace tessaro {
namespace {

TEST(DemoCatalogue, HoldsThirtyFivePositionsInOrder) {
    const auto demos = DemoCatalogue();
    ASSERT_EQ(demos.size(), 35u);
    for (std::size_t i = 0; i < demos.size(); ++i)
        EXPECT_EQ(demos[i].Position, int(i) + 1);
}

TEST(DemoCatalogue, EachRadioItemYieldsItsRow) {
    struct Case {
        int item;
        const char *name, *map, *seconds;
    };
    const Case cases[] = {
        {0, "Arsenal", "DM-Arsenal", "125"},
        {4, "Containment", "vCTF-Containment", "140"},
        {30, "Strident", "CTF-Strident", "34"},
        {34, "Vertebrae", "CTF-Vertebrae", "125"},
    };
    for (const Case& c : cases) {
        MainControls controls;
        controls.demo = c.item;
        BenchmarkBatch batch;
        LookUpDemo(controls, batch);
        EXPECT_EQ(batch.DemoName, c.name) << c.item;
        EXPECT_EQ(batch.MapName, c.map) << c.item;
        EXPECT_EQ(batch.RunSeconds, c.seconds) << c.item;
    }
}

TEST(DemoCatalogue, NoItemCheckedKeepsWhatTheBatchHeld) {
    MainControls controls;  // nothing checked, as in a fresh window
    BenchmarkBatch fresh;
    LookUpDemo(controls, fresh);
    EXPECT_EQ(fresh.MapName, "");
    EXPECT_EQ(fresh.RunSeconds, "");

    BenchmarkBatch earlier;
    earlier.DemoName = "Dusk";
    earlier.MapName = "WAR-Dusk";
    earlier.RunSeconds = "125";
    LookUpDemo(controls, earlier);
    EXPECT_EQ(earlier.DemoName, "Dusk");
    EXPECT_EQ(earlier.MapName, "WAR-Dusk");
    EXPECT_EQ(earlier.RunSeconds, "125");
}

TEST(ResolutionSlots, TableOrderIsTheBatchOrder) {
    std::vector<std::string> tags;
    for (const ResolutionSlot* s = FirstSlot(); s != nullptr; s = NextSlot(s))
        tags.push_back(s->Tag);
    EXPECT_EQ(tags, (std::vector<std::string>{"800", "1024", "1280", "1600", "2048", "hdw1", "hdw2",
                                              "hdw3", "custom"}));
    EXPECT_EQ(NextSlot(nullptr), nullptr);
    EXPECT_EQ(SlotByTag("hdw2"), &ResolutionSlots()[6]);
    // Tags are compared letter for letter.
    EXPECT_EQ(SlotByTag("HDW2"), nullptr);
    EXPECT_EQ(SlotByTag("Custom"), nullptr);
    EXPECT_TRUE(IsCustom(*SlotByTag("custom")));
    EXPECT_FALSE(IsCustom(*SlotByTag("hdw3")));
}

TEST(ResolutionSlots, TextsOfFixedAndCustomSlots) {
    const std::string x = kTimes;
    const std::string head = "<BR><B><FONT size=5>Resolution: ";
    const std::string tail = "</FONT></B><BR>";
    struct Case {
        const char* tag;
        SlotTextSet want;
    };
    const Case cases[] = {
        {"800",
         {"Resolution: 800 " + x + " 600...", "800" + x + "600", head + "800" + x + "600" + tail,
          " -ResX=800 -ResY=600"}},
        {"1024",
         {"Resolution: 1024 " + x + " 768...", "1024" + x + "768", head + "1024" + x + "768" + tail,
          " -ResX=1024 -ResY=768"}},
        {"hdw2",
         {"Resolution: 1920 " + x + " 1080...", "1920" + x + "1080",
          head + "1920" + x + "1080 (HD WideScreen)" + tail, " -ResX=1920 -ResY=1080"}},
        {"custom",
         {"Resolution: 1280 " + x + " 720 (Custom)...", "1280" + x + "720",
          head + "1280 " + x + " 720 (Custom)" + tail, " -ResX=1280 -ResY=720"}},
    };
    MainControls controls;
    controls.CusWidth = "1280";
    controls.CusHeight = "720";
    for (const Case& c : cases) {
        const SlotTextSet t = SlotTexts(*SlotByTag(c.tag), controls);
        EXPECT_EQ(t.ProgressText, c.want.ProgressText) << c.tag;
        EXPECT_EQ(t.ChartLabel, c.want.ChartLabel) << c.tag;
        EXPECT_EQ(t.ReportCaption, c.want.ReportCaption) << c.tag;
        EXPECT_EQ(t.ResolutionSwitches, c.want.ResolutionSwitches) << c.tag;
    }
}

TEST(ResolutionSlots, CustomSlotNeedsItsBoxAndBothTexts) {
    struct Case {
        bool ticked;
        const char *width, *height;
        bool selected;
    };
    const Case cases[] = {
        {true, "1280", "720", true},
        {true, "1280", "", false},
        {true, "", "720", false},
        {false, "1280", "720", false},
    };
    const ResolutionSlot& custom = *SlotByTag("custom");
    for (const Case& c : cases) {
        MainControls controls;
        controls.cusresbox.ticked = c.ticked;
        controls.CusWidth = c.width;
        controls.CusHeight = c.height;
        EXPECT_EQ(IsSlotSelected(custom, controls), c.selected)
            << c.ticked << " " << c.width << "x" << c.height;
    }
}

TEST(ResolutionSlots, FixedSlotFollowsItsResItem) {
    MainControls controls;
    controls.res[6].ticked = true;
    for (const ResolutionSlot& s : ResolutionSlots())
        EXPECT_EQ(IsSlotSelected(s, controls), std::string(s.Tag) == "hdw2") << s.Tag;
}

}  // namespace
}  // namespace tessaro
