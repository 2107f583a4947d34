#include "shell/gui/program.h"

#include <QDialog>

#include "shell/gui/tip_dialog.h"

namespace shell {

int runProgram(const Program& program, Services& services, bool interactiveStart, bool showTips)
{
    if (interactiveStart && program.tips) {
        TipDialog tip(*program.tips, services.paths, program.name);
        if (showTips && tip.showAtStartUp())
            services.ui.exec(tip);
    }
    {
        std::unique_ptr<QDialog> window = program.makeWindow(services);
        window->setProperty("mystorinMainWindow", true);
        services.ui.exec(*window);
    }
    if (program.handsBackToLauncher)
        services.launcher.handOver("bar");
    return 0;
}

}  // namespace shell
