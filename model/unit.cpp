#include "model/unit.h"

#include "model/coordinates.h"
#include "model/database.h"
#include "model/record_stream.h"
#include "model/unit_list.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinPositionBytes = 16;  // location and turn
}  // namespace

std::string TVelUnitPos::FormatPosition() const {
    return FormatLocation(At());
}

void TVelUnitPos::SaveToStream(TVelFileStream& stream) const {
    WriteLocation(stream, X, Y, Where);
    stream.WriteInt32(Turn);
}

void TVelUnitPos::LoadFromStream(TVelFileStream& stream) {
    ReadLocation(stream, X, Y, Where);
    Turn = stream.ReadInt32();
}

TVelUnitPos* TVelUnitPosList::FindByTurn(int32_t turn) const {
    for (const auto& position : *this)
        if (position && position->Turn == turn) return position.get();
    return nullptr;
}

TVelUnitPos* TVelUnitPosList::AddPosition(const Place& place, int32_t turn) {
    if (FindByTurn(turn)) return nullptr;
    return Get(Add(std::make_unique<TVelUnitPos>(place, turn)));
}

void TVelUnitPosList::SaveToStream(TVelFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelUnitPosList::LoadFromStream(TVelFileStream& stream) {
    Clear();
    LoadRecords<TVelUnitPos>(
        stream, kMinPositionBytes, [this](auto position) { Add(std::move(position)); },
        [this](int32_t count) { Reserve(static_cast<std::size_t>(count)); });
}

TVelUnit::TVelUnit(TVelMain& main)
    : Troops(main.Races),
      Items(main.ItemTypes),
      Skills(main.SkillTypes),
      CanStudy(main.SkillTypes),
      PositionHistory(this),
      main_(&main) {}

TVelUnit::~TVelUnit() {
    referrers_.ForEach([this](TVelUnitList* list) { list->Forget(this); });
}

void TVelUnit::Reset(bool with_history) {
    Turn = 0;
    Faction = 0;
    Number = 0;
    Flags = 0;
    Inside = 0;
    X = 0;
    Y = 0;
    Where = Level::Surface;
    LastX = -1;
    LastY = -1;
    Name.clear();
    Description.clear();
    CombatSpell.clear();
    Notes.clear();
    Orders.clear();
    Events.clear();
    Troops.Clear();
    Items.Clear();
    Skills.Clear();
    CanStudy.Clear();
    if (with_history) PositionHistory.Clear();
}

bool TVelUnit::HasFlag(UnitFlag flag) const {
    return (Flags & static_cast<uint16_t>(flag)) != 0;
}

void TVelUnit::SetFlag(UnitFlag flag, bool on) {
    const auto bit = static_cast<uint16_t>(flag);
    Flags = static_cast<uint16_t>(on ? (Flags | bit) : (Flags & ~bit));
}

bool TVelUnit::IsOwn() const {
    return Faction == main_->FactionNumber;
}

bool TVelUnit::IsOnMap() const {
    const TVelHexList& hexes = main_->HexesOf(Where);
    return X >= 0 && X <= hexes.MaxX() && Y >= 0 && Y <= hexes.MaxY();
}

int32_t TVelUnit::Silver() const {
    const TVelItem* silver = Items.FindByCode("SILV");
    return silver ? silver->Count : 0;
}

bool TVelUnit::IsMage() const {
    return Skills.HasSkill("FORC") || Skills.HasSkill("SPIR") || Skills.HasSkill("PATT");
}

void TVelUnit::SaveToStream(TVelFileStream& stream) const {
    stream.WriteInt32(Turn);
    stream.WriteInt32(Faction);
    stream.WriteBool(FactionConfirmed);
    stream.WriteString(Name);
    stream.WriteString(Description);
    stream.WriteInt32(Number);
    WriteLocation(stream, X, Y, Where);
    WriteLocation(stream, LastX, LastY, LastWhere);
    stream.WriteUInt16(Flags);
    stream.WriteString(CombatSpell);
    stream.WriteInt32(Inside);
    stream.WriteString(Notes);
    stream.WriteString(Orders);
    stream.WriteString(Events);
    Troops.SaveToStream(stream);
    Items.SaveToStream(stream);
    Skills.SaveToStream(stream);
    CanStudy.SaveToStream(stream);
    PositionHistory.SaveToStream(stream);
}

void TVelUnit::LoadFromStream(TVelFileStream& stream) {
    Reset(true);
    Turn = stream.ReadInt32();
    Faction = stream.ReadInt32();
    FactionConfirmed = stream.ReadBool();
    Name = stream.ReadString();
    Description = stream.ReadString();
    Number = stream.ReadInt32();
    ReadLocation(stream, X, Y, Where);
    ReadLocation(stream, LastX, LastY, LastWhere);
    Flags = stream.ReadUInt16();
    CombatSpell = stream.ReadString();
    Inside = stream.ReadInt32();
    Notes = stream.ReadString();
    Orders = stream.ReadString();
    Events = stream.ReadString();
    Troops.LoadFromStream(stream);
    Items.LoadFromStream(stream);
    Skills.LoadFromStream(stream);
    CanStudy.LoadFromStream(stream);
    PositionHistory.LoadFromStream(stream);
}

}  // namespace hexwarden
