#include "atlas/atlaswindows.h"

#include "atlas/tfrmregieatlas.h"
#include "shell/windowfactories.h"

namespace atlas {

void registerAtlasWindows()
{
    shell::registerKindFactory(QStringLiteral("Atlas"), [](QWidget *parent) { return new TfrmRegieAtlas(parent); });
}

} // namespace atlas
