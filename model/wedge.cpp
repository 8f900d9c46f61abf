#include "model/wedge.h"

#include <optional>

#include "model/database.h"
#include "model/hex.h"
#include "model/record_stream.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

constexpr std::size_t kMinWedgeBytes = 17;  // kind, empty key, flag, colour, position
constexpr int32_t kWedgeCount = 6;

const TVelItemList* MarketListFor(const TMapWedge& wedge, const TVelHex& hex) {
    switch (wedge.Kind) {
        case WedgeKind::Products: return &hex.Products;
        case WedgeKind::ForSale: return &hex.ForSale;
        case WedgeKind::Wanted: return &hex.Wanted;
        default: return nullptr;
    }
}

std::optional<int32_t> FactionKey(const TMapWedge& wedge) {
    return ParseInt(wedge.Key);
}

}  // namespace

void TMapWedge::SaveToStream(TKvFileStream& stream) const {
    stream.WriteInt32(Kind);
    stream.WriteString(Key);
    stream.WriteBool(UseCustomColour);
    stream.WriteInt32(static_cast<int32_t>(Colour));
    stream.WriteInt32(Position);
}

void TMapWedge::LoadFromStream(TKvFileStream& stream) {
    Kind = stream.ReadInt32();
    Key = stream.ReadString();
    UseCustomColour = stream.ReadBool();
    Colour = static_cast<uint32_t>(stream.ReadInt32());
    Position = stream.ReadInt32();
}

TVelWedgeList::TVelWedgeList(TVelMain& main) : main_(&main) {
    Reset();
}

void TVelWedgeList::Reset() {
    Clear();
    for (int32_t position = 0; position < kWedgeCount; ++position) {
        auto wedge = std::make_unique<TMapWedge>();
        wedge->Position = position;
        Add(std::move(wedge));
    }
}

bool TVelWedgeList::WedgeApplies(const TMapWedge& wedge, const TVelHex& hex) const {
    switch (wedge.Kind) {
        case WedgeKind::Faction: {
            const std::optional<int32_t> faction = FactionKey(wedge);
            return faction && hex.HasFactionUnit(*faction);
        }
        case WedgeKind::Alliance: {
            const TVelAlliance* alliance = main_->Alliances.Get(main_->Alliances.IndexOfName(wedge.Key));
            return alliance && hex.HasAllianceUnit(*alliance);
        }
        case WedgeKind::Peasants: {
            const TVelItem* peasants = hex.Peasants.Get(0);
            return peasants && !peasants->Code.empty();
        }
        case WedgeKind::Products:
        case WedgeKind::ForSale:
        case WedgeKind::Wanted: return MarketListFor(wedge, hex)->HasStock(wedge.Key);
        default: return false;
    }
}

uint32_t TVelWedgeList::WedgeColour(const TMapWedge& wedge, const TVelHex& hex) const {
    if (wedge.UseCustomColour) return wedge.Colour;
    switch (wedge.Kind) {
        case WedgeKind::Faction: {
            const std::optional<int32_t> number = FactionKey(wedge);
            const TVelFaction* faction = number ? main_->Factions.FindByNumber(*number) : nullptr;
            return faction ? faction->Colour : 0;
        }
        case WedgeKind::Alliance: {
            const TVelAlliance* alliance = main_->Alliances.Get(main_->Alliances.IndexOfName(wedge.Key));
            return alliance ? alliance->Colour : 0;
        }
        case WedgeKind::Peasants: {
            const TVelItem* peasants = hex.Peasants.Get(0);
            if (peasants == nullptr) return 0;
            const TVelIndexRecord* race = main_->Races.FindByName(hex.Peasants.DisplayName(*peasants));
            return race ? static_cast<uint32_t>(race->Value) : 0;
        }
        case WedgeKind::Products:
        case WedgeKind::ForSale:
        case WedgeKind::Wanted: {
            const TVelIndexRecord* item = main_->ItemTypes.FindByCode(wedge.Key);
            return item ? static_cast<uint32_t>(item->Value) : 0;
        }
        default: return 0;
    }
}

void TVelWedgeList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelWedgeList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TMapWedge>(stream, kMinWedgeBytes, [this](auto wedge) { Add(std::move(wedge)); });
}

}  // namespace hexwarden
