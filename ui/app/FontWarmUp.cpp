#include "ui/app/FontWarmUp.h"

#if defined(CYCLO_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace cyclo {

FontWarmUp::FontWarmUp()
{
#if defined(CYCLO_HAVE_FONTCONFIG)
    // FcInit loads the configuration once per process and is safe to call
    // from any thread; Qt's own call later returns at once.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace cyclo
