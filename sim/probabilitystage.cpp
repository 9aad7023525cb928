#include "probabilitystage.h"

#include "busydelay.h"
#include "mirror.h"
#include "pathsum.h"
#include "runsetup.h"
#include "surface.h"

namespace veltrin {

bool ProbabilityStage::run(Surface &surface, const RunValues &values)
{
    using namespace scene;
    const float baseline = float(spiralBaseline);
    surface.drawLine({float(X0), baseline}, {float(XS + 500), baseline});

    PathSum pathSum(values.k, values.frequency);
    const Mirror mirror(values.k);
    for (double xd = X0; xd < XS; xd += detectorStep) {
        // The incoming rays again, from beyond the source plane, over the earlier bars.
        for (int j = Mirror::firstSample; j <= Mirror::lastSample; ++j) {
            if (!Mirror::isRaySample(j))
                continue;
            const float x = float(mirror.lowerX(j));
            const float lowerY = float(Mirror::lowerY(j));
            const float upperY = float(Mirror::upperY(j));
            surface.drawLine({float(XS + 500), lowerY}, {x, lowerY});
            surface.drawLine({float(XS + 500), upperY}, {x, upperY});
        }

        pathSum.sumAt(xd, spiralBaseline);
        surface.drawChain(pathSum.spiral());

        const float barX = float(xd + values.barOffset);
        surface.drawLine({barX, float(Y0)}, {barX, float(Y0 - pathSum.probability())},
                         values.barColour);
        surface.present();
        if (!BusyDelay::wait(values.delayCount, surface))
            return false;
    }
    return true;
}

} // namespace veltrin
