#include "convert/installedwalltiles.h"

#include <algorithm>

#include "util/host.h"

namespace vetra::Convert {
namespace {

ConverterWallTiles& Installed() {
    static ConverterWallTiles installed;
    return installed;
}

template <typename Flags, typename Definitions>
void Install(std::size_t count, const Flags& flags, const Definitions& definitions) {
    std::size_t kept = std::min({count, flags.size(), definitions.size(),
                                 static_cast<std::size_t>(ConverterWallTiles::kMaxWallTiles)});
    ConverterWallTiles& installed = Installed();
    installed.definitions.assign(definitions.begin(), definitions.begin() + kept);
    installed.diagonals.assign(flags.begin(), flags.begin() + kept);
}

}  // namespace

void SetWallTiles(int count, std::span<const bool> diagonalsFlags,
                  std::span<const WallTileEntries> definitions) {
    Install(count < 1 ? 0 : static_cast<std::size_t>(count), diagonalsFlags, definitions);
}

void SetWallTiles(const ConverterWallTiles& wallTiles) {
    Install(wallTiles.definitions.size(), wallTiles.diagonals, wallTiles.definitions);
}

const ConverterWallTiles& InstalledWallTiles() { return Installed(); }

void EmptyUnlessWallTilesInUse(Host& host) {
    if (!host.OptionValue(Option::UseWallTiles)) SetWallTiles(ConverterWallTiles{});
}

}  // namespace vetra::Convert
