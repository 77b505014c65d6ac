#include "app/cli/dry_run.h"

#include "engine/batch_sequencer.h"
#include "engine/demo_catalogue.h"
#include "engine/launch_command.h"
#include "engine/resolution_slots.h"
#include "engine/run_gate.h"
#include "ui/main_window.h"

namespace tessaro {

bool DryRun(MainWindow& mw, std::FILE* out) {
    if (!AcceptGamePath(mw))
        return false;

    // What the batch start fixes before its first launch.
    mw.batch.NumPlay = "0";
    LookUpDemo(mw.controls, mw.batch);

    int runs = EffectiveRunsPerSlot(mw);
    bool any = false;
    for (const ResolutionSlot* slot = FirstSlot(); slot; slot = NextSlot(slot)) {
        if (!IsSlotSelected(*slot, mw.controls))
            continue;
        any = true;
        for (int run = 0; run < runs; ++run) {
            LaunchCommand command = BuildLaunchCommand(mw, *slot);
            std::fprintf(out, "%s\n%s\n", command.CommandLine.c_str(),
                         command.WorkingFolder.c_str());
        }
    }
    if (!any)
        mw.ports.dialogs.ShowMessage("ERROR. Please, choose a resolution of UT3.");
    return any;
}

}  // namespace tessaro
