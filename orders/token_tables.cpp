#include "orders/token_tables.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace hexwarden {

namespace {

// The server's own item, skill and object tables for both rule sets, in its order.
constexpr ItemToken kItemTokens[] = {
    {0, kBoth, "LEAD", "leader", "leaders", ItemClass::Man | ItemClass::Leader, kNoTransport, ""},
    {1, kStd, "VIKI", "viking", "vikings", ItemClass::Man, kNoTransport, ""},
    {2, kStd, "BARB", "barbarian", "barbarians", ItemClass::Man, kNoTransport, ""},
    {3, kStd, "PLAI", "plainsman", "plainsmen", ItemClass::Man, kNoTransport, ""},
    {4, kStd, "ESKI", "eskimo", "eskimos", ItemClass::Man, kNoTransport, ""},
    {5, kStd, "NOMA", "nomad", "nomads", ItemClass::Man, kNoTransport, ""},
    {6, kStd, "TMAN", "tribesman", "tribesmen", ItemClass::Man, kNoTransport, ""},
    {7, kStd, "DMAN", "darkman", "darkmen", ItemClass::Man, kNoTransport, ""},
    {8, kBoth, "WELF", "wood elf", "wood elves", ItemClass::Man, kNoTransport, ""},
    {9, kStd, "SELF", "sea elf", "sea elves", ItemClass::Man, kNoTransport, ""},
    {10, kBoth, "HELF", "high elf", "high elves", ItemClass::Man, kNoTransport, ""},
    {11, kStd, "TELF", "tribal elf", "tribal elves", ItemClass::Man, kNoTransport, ""},
    {12, kBoth, "IDWA", "ice dwarf", "ice dwarves", ItemClass::Man, kNoTransport, ""},
    {13, kBoth, "HDWA", "hill dwarf", "hill dwarves", ItemClass::Man, kNoTransport, ""},
    {14, kBoth, "UDWA", "under dwarf", "under dwarves", ItemClass::Man, kNoTransport, ""},
    {15, kStd, "DDWA", "desert dwarf", "desert dwarves", ItemClass::Man, kNoTransport, ""},
    {16, kBoth, "ORC", "orc", "orcs", ItemClass::Man, kNoTransport, ""},
    {17, kBoth, "GNOM", "gnome", "gnomes", ItemClass::Man, kNoTransport, ""},
    {18, kNew, "CTAU", "centaur", "centaurs", ItemClass::Man | ItemClass::Mount, kNoTransport, ""},
    {19, kBoth, "SILV", "silver", "silver", ItemClass::Normal | ItemClass::Money, 0, ""},
    {20, kBoth, "GRAI", "grain", "grain", ItemClass::Normal | ItemClass::Food, 0, "FARM"},
    {21, kBoth, "LIVE", "livestock", "livestock", ItemClass::Normal | ItemClass::Food, kNoTransport, "FARM"},
    {22, kBoth, "IRON", "iron", "iron", ItemClass::Normal, 0, "MINI"},
    {23, kBoth, "WOOD", "wood", "wood", ItemClass::Normal, 0, "LUMB"},
    {24, kBoth, "STON", "stone", "stone", ItemClass::Normal, 0, "QUAR"},
    {25, kBoth, "FUR", "fur", "furs", ItemClass::Normal, 0, "HUNT"},
    {26, kBoth, "FISH", "fish", "fish", ItemClass::Normal | ItemClass::Food, 0, "FISH"},
    {27, kBoth, "HERB", "herb", "herbs", ItemClass::Normal, 0, "HERB"},
    {28, kBoth, "HORS", "horse", "horses", ItemClass::Normal | ItemClass::Mount, kNoTransport, "HORS"},
    {30, kBoth, "LONG", "Longship", "Longships", ItemClass::Ship, kNoTransport, "SHIP"},
    {31, kBoth, "RAFT", "Raft", "Rafts", ItemClass::Ship, kNoTransport, "SHIP"},
    {32, kBoth, "COG", "Cog", "Cogs", ItemClass::Ship, kNoTransport, "SHIP"},
    {34, kBoth, "GALL", "Galleon", "Galleons", ItemClass::Ship, kNoTransport, "SHIP"},
    {36, kBoth, "GLLY", "Galley", "Galleys", ItemClass::Ship, kNoTransport, "SHIP"},
    {37, kBoth, "CORS", "Corsair", "Corsairs", ItemClass::Ship, kNoTransport, "SHIP"},
    {38, kBoth, "BALL", "Balloon", "Balloons", ItemClass::Ship, kNoTransport, "SHIP"},
    {39, kBoth, "AIRS", "Airship", "Airships", ItemClass::Ship, kNoTransport, "SHIP"},
    {40, kBoth, "CLOU", "Cloudship", "Cloudships", ItemClass::Ship, kNoTransport, ""},
    {41, kBoth, "SWOR", "sword", "swords", ItemClass::Normal | ItemClass::Weapon, 0, "WEAP"},
    {42, kBoth, "XBOW", "crossbow", "crossbows", ItemClass::Normal | ItemClass::Weapon, 0, "WEAP"},
    {43, kBoth, "LBOW", "longbow", "longbows", ItemClass::Normal | ItemClass::Weapon, 0, "WEAP"},
    {44, kBoth, "CARM", "chain armor", "chain armor", ItemClass::Normal | ItemClass::Armor, 0, "ARMO"},
    {45, kBoth, "PARM", "plate armor", "plate armor", ItemClass::Normal | ItemClass::Armor, 0, "ARMO"},
    {46, kBoth, "WAGO", "wagon", "wagons", ItemClass::Normal, 0, "CARP"},
    {47, kBoth, "MITH", "mithril", "mithril", ItemClass::Advanced, 0, "MINI"},
    {48, kBoth, "IRWD", "ironwood", "ironwood", ItemClass::Advanced, 0, "LUMB"},
    {49, kBoth, "WING", "winged horse", "winged horses", ItemClass::Advanced | ItemClass::Mount, kNoTransport, "HORS"},
    {50, kBoth, "FLOA", "floater hide", "floater hides", ItemClass::Advanced, 0, "HUNT"},
    {51, kBoth, "ROOT", "rootstone", "rootstone", ItemClass::Advanced, 0, "QUAR"},
    {52, kBoth, "YEW", "yew", "yew", ItemClass::Advanced, 0, "LUMB"},
    {53, kBoth, "MSWO", "mithril sword", "mithril swords", ItemClass::Advanced | ItemClass::Weapon, 0, "WEAP"},
    {54, kBoth, "MARM", "mithril armor", "mithril armor", ItemClass::Advanced | ItemClass::Armor, 0, "ARMO"},
    {55, kBoth, "DBOW", "double bow", "double bows", ItemClass::Advanced | ItemClass::Weapon, 0, "WEAP"},
    {56, kBoth, "IVOR", "ivory", "ivory", ItemClass::Trade, 0, ""},
    {57, kBoth, "PEAR", "pearls", "pearls", ItemClass::Trade, 0, ""},
    {58, kBoth, "JEWE", "jewelry", "jewelry", ItemClass::Trade, 0, ""},
    {59, kNew, "FIGU", "figurines", "figurines", ItemClass::Trade, 0, ""},
    {60, kNew, "TARO", "tarot cards", "tarot cards", ItemClass::Trade, 0, ""},
    {61, kNew, "CAVI", "caviar", "caviar", ItemClass::Trade, 0, ""},
    {62, kBoth, "WINE", "wine", "wine", ItemClass::Trade, 0, ""},
    {63, kBoth, "SPIC", "spices", "spices", ItemClass::Trade, 0, ""},
    {64, kBoth, "CHOC", "chocolate", "chocolate", ItemClass::Trade, 0, ""},
    {65, kBoth, "TRUF", "truffles", "truffles", ItemClass::Trade, 0, ""},
    {66, kBoth, "VODK", "vodka", "vodka", ItemClass::Trade, 0, ""},
    {68, kBoth, "PERF", "perfume", "perfume", ItemClass::Trade, 0, ""},
    {69, kBoth, "SILK", "silk", "silk", ItemClass::Trade, 0, ""},
    {73, kBoth, "COTT", "cotton", "cotton", ItemClass::Trade, 0, ""},
    {76, kBoth, "LION", "lion", "lions", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {77, kBoth, "WOLF", "wolf", "wolves", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {78, kBoth, "GRIZ", "grizzly bear", "grizzly bears", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {79, kBoth, "CROC", "crocodile", "crocodiles", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {80, kBoth, "ANAC", "anaconda", "anacondas", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {81, kBoth, "SCOR", "giant scorpion", "giant scorpions", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {82, kBoth, "POLA", "polar bear", "polar bears", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {83, kBoth, "GRAT", "giant rat", "giant rats", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {84, kBoth, "GSPI", "giant spider", "giant spiders", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {85, kBoth, "GLIZ", "giant lizard", "giant lizards", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {86, kBoth, "TREN", "trent", "trents", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {87, kBoth, "ROC", "roc", "rocs", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {88, kBoth, "BOGT", "bog thing", "bog things", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {89, kBoth, "KONG", "kong", "kongs", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {90, kBoth, "SPHI", "sphinx", "sphinxes", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {91, kBoth, "ICEW", "ice wurm", "ice wurms", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {92, kBoth, "DRAG", "dragon", "dragons", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {93, kBoth, "CENT", "centaur", "centaurs", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {94, kBoth, "KOBO", "kobold", "kobolds", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {95, kBoth, "OGRE", "ogre", "ogres", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {96, kBoth, "LMAN", "lizard man", "lizard men", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {97, kBoth, "WMAN", "wild man", "wild men", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {98, kBoth, "SAND", "sandling", "sandlings", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {99, kBoth, "YETI", "yeti", "yeti", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {100, kBoth, "GOBL", "goblin", "goblins", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {101, kBoth, "TROL", "troll", "trolls", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {102, kBoth, "ETTI", "ettin", "ettins", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {103, kBoth, "SKEL", "skeleton", "skeletons", ItemClass::Monster | ItemClass::Undead, kNoTransport, ""},
    {104, kBoth, "UNDE", "undead", "undead", ItemClass::Monster | ItemClass::Undead, kNoTransport, ""},
    {105, kBoth, "LICH", "lich", "liches", ItemClass::Monster | ItemClass::Undead, kNoTransport, ""},
    {106, kBoth, "IMP", "imp", "imps", ItemClass::Monster | ItemClass::Demon, kNoTransport, ""},
    {107, kBoth, "DEMO", "demon", "demons", ItemClass::Monster | ItemClass::Demon, kNoTransport, ""},
    {108, kBoth, "BALR", "balrog", "balrogs", ItemClass::Monster | ItemClass::Demon, kNoTransport, ""},
    {109, kBoth, "EAGL", "eagle", "eagles", ItemClass::Monster | ItemClass::Animal, kNoGive | kNoTransport, ""},
    {110, kBoth, "XXXX", "amulet of invulnerability", "amulets of invulnerability", ItemClass::Magic | ItemClass::Battle | ItemClass::Special, kNoTransport, ""},
    {111, kBoth, "RING", "ring of invisibility", "rings of invisibility", ItemClass::Magic, kNoTransport, ""},
    {112, kBoth, "CLOA", "cloak of invulnerability", "cloaks of invulnerability", ItemClass::Magic | ItemClass::Armor, kNoTransport, ""},
    {113, kBoth, "STAF", "staff of fire", "staves of fire", ItemClass::Magic | ItemClass::Battle | ItemClass::Mageonly, kNoTransport, ""},
    {114, kStd, "STAL", "staff of lightning", "staves of lightning", ItemClass::Magic | ItemClass::Battle | ItemClass::Mageonly, kNoTransport, ""},
    {115, kBoth, "AMTS", "amulet of true seeing", "amulets of true seeing", ItemClass::Magic, kNoTransport, ""},
    {116, kBoth, "AMPR", "amulet of protection", "amulets of protection", ItemClass::Magic | ItemClass::Battle, kNoTransport, ""},
    {117, kBoth, "RUNE", "runesword", "runeswords", ItemClass::Magic | ItemClass::Weapon | ItemClass::Battle, kNoTransport, ""},
    {118, kBoth, "SHST", "shieldstone", "shieldstones", ItemClass::Magic | ItemClass::Battle, kNoTransport, ""},
    {119, kBoth, "CARP", "magic carpet", "magic carpets", ItemClass::Magic, kNoTransport, ""},
    {120, kBoth, "iWOLF", "iwolf", "iwolves", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {121, kBoth, "iEAGL", "ieagle", "ieagles", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {122, kBoth, "iDRAG", "idragon", "idragons", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {123, kBoth, "iSKEL", "iskeleton", "iskeletons", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {124, kBoth, "iUNDE", "iundead", "iundead", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {125, kBoth, "iLICH", "ilich", "iliches", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {126, kBoth, "iIMP", "iimp", "iimps", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {127, kBoth, "iDEMO", "idemon", "idemons", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {128, kBoth, "iBALR", "ibalrog", "ibalrogs", ItemClass::Monster | ItemClass::Illusion, kNoGive | kNoTransport, ""},
    {129, kBoth, "PORT", "portal", "portals", ItemClass::Magic | ItemClass::Special, 0, ""},
    {131, kBoth, "PICK", "pick", "picks", ItemClass::Normal | ItemClass::Weapon | ItemClass::Tool, 0, "WEAP"},
    {132, kBoth, "SPEA", "spear", "spears", ItemClass::Normal | ItemClass::Weapon | ItemClass::Tool, 0, "WEAP"},
    {133, kBoth, "AXE", "axe", "axes", ItemClass::Normal | ItemClass::Weapon | ItemClass::Tool, 0, "WEAP"},
    {134, kBoth, "HAMM", "hammer", "hammers", ItemClass::Normal | ItemClass::Weapon | ItemClass::Tool, 0, "WEAP"},
    {135, kBoth, "MXBO", "magic crossbow", "magic crossbows", ItemClass::Advanced | ItemClass::Weapon, 0, "WEAP"},
    {136, kBoth, "MWAG", "magic wagon", "magic wagons", ItemClass::Advanced, 0, "CARP"},
    {137, kBoth, "GLID", "glider", "gliders", ItemClass::Advanced, 0, "CARP"},
    {138, kBoth, "NET", "net", "nets", ItemClass::Normal | ItemClass::Tool, 0, "FISH"},
    {139, kBoth, "LASS", "lasso", "lassoes", ItemClass::Normal | ItemClass::Tool, 0, "HERB"},
    {140, kBoth, "BAG", "bag", "bags", ItemClass::Normal | ItemClass::Tool, 0, "HERB"},
    {141, kBoth, "SPIN", "spinning wheel", "spinning wheels", ItemClass::Normal | ItemClass::Tool, 0, "CARP"},
    {142, kBoth, "LARM", "leather armor", "leather armor", ItemClass::Normal | ItemClass::Armor, 0, "ARMO"},
    {143, kStd, "CLAR", "cloth armor", "cloth armor", ItemClass::Normal | ItemClass::Armor, 0, "ARMO"},
    {144, kStd, "BOOT", "boots of levitation", "boots of levitation", ItemClass::Magic, kNoTransport, ""},
    {145, kBoth, "PIRA", "pirates", "pirates", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {146, kBoth, "KRAK", "kraken", "kraken", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {147, kBoth, "MERF", "merfolk", "merfolk", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {148, kBoth, "ELEM", "elemental", "elementals", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {149, kNew, "HUMN", "human", "humans", ItemClass::Man, kNoTransport, ""},
    {151, kNew, "LIZA", "lizardman", "lizardmen", ItemClass::Man, kNoTransport, ""},
    {153, kNew, "GBLN", "goblin", "goblins", ItemClass::Man, kNoTransport, ""},
    {155, kNew, "GNOL", "gnoll", "gnolls", ItemClass::Man, kNoTransport, ""},
    {156, kNew, "DRLF", "drow elf", "drow elves", ItemClass::Man, kNoTransport, ""},
    {163, kStd, "LANC", "lance", "lances", ItemClass::Normal | ItemClass::Weapon, 0, "WCRA"},
    {164, kNew, "MUSH", "mushroom", "mushrooms", ItemClass::Advanced, 0, "HERB"},
    {168, kBoth, "BAXE", "battle axe", "battle axes", ItemClass::Advanced | ItemClass::Weapon, 0, "WEAP"},
    {169, kStd, "MBAX", "mithril battle axe", "mithril battle axes", ItemClass::Advanced | ItemClass::Weapon, 0, "WCRA"},
    {170, kNew, "ADMT", "admantium", "admantium", ItemClass::Advanced, 0, "MINI"},
    {171, kNew, "ASWR", "admantium sword", "admantium swords", ItemClass::Advanced | ItemClass::Weapon, 0, "WEAP"},
    {173, kStd, "IMTH", "improved mithril armor", "improved mithril armor", ItemClass::Advanced | ItemClass::Armor, 0, "ACRA"},
    {174, kNew, "ARNG", "admantium ring mail", "admantium ring mails", ItemClass::Advanced | ItemClass::Armor, 0, "ARMO"},
    {175, kNew, "AARM", "admantium plate mail", "admantium plate mails", ItemClass::Advanced | ItemClass::Armor, 0, "ARMO"},
    {176, kStd, "SBOW", "super bow", "super bows", ItemClass::Advanced | ItemClass::Weapon, 0, "WCRA"},
    {177, kNew, "CAME", "camel", "camels", ItemClass::Normal | ItemClass::Mount, kNoTransport, "HORS"},
    {179, kBoth, "DROW", "drow warrior", "drow warriors", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {180, kBoth, "HYDR", "hydra", "hydrae", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {181, kBoth, "STGI", "storm giant", "storm giants", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {182, kBoth, "CLGI", "cloud giant", "cloud giants", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {183, kBoth, "ILLY", "illyrthid", "illyrthil", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {184, kBoth, "SORC", "evil sorcerer", "evil sorcerers", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {185, kBoth, "MAGI", "evil magician", "evil magicians", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {186, kBoth, "DMAG", "dark mage", "dark mages", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {187, kBoth, "WARR", "evil warrior", "evil warriors", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {188, kBoth, "IDRA", "ice dragon", "ice dragons", ItemClass::Monster, kNoGive | kNoTransport, ""},
    {189, kNew, "HPOT", "healing potion", "healing potions", ItemClass::Advanced, 0, "HEAL"},
    {191, kNew, "GEM", "gem", "gems", ItemClass::Trade, 0, "GCUT"},
    {192, kBoth, "JAVE", "javelin", "javelins", ItemClass::Normal | ItemClass::Weapon, 0, "WEAP"},
    {193, kBoth, "PIKE", "pike", "pikes", ItemClass::Normal | ItemClass::Weapon, 0, "WEAP"},
    {199, kNew, "FSWO", "flaming sword", "flaming swords", ItemClass::Magic | ItemClass::Weapon | ItemClass::Battle, kNoTransport, ""},
    {211, kNew, "MEAL", "meal", "meals", ItemClass::Normal | ItemClass::Food, 0, "COOK"},
    {212, kNew, "MSHD", "mithril shield", "mithril shields", ItemClass::Advanced | ItemClass::Battle, 0, "ARMO"},
    {213, kNew, "ISHD", "iron shield", "iron shields", ItemClass::Normal | ItemClass::Battle, 0, "ARMO"},
    {214, kNew, "WSHD", "wooden shield", "wooden shields", ItemClass::Normal | ItemClass::Battle, 0, "ARMO"},
    {215, kNew, "AEGS", "aegis", "aegeis", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {216, kNew, "WCHM", "windchime", "windchimes", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {217, kNew, "GTCR", "gate crystal", "gate crystals", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {218, kNew, "STAH", "staff of healing", "staves of healing", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {219, kNew, "SORB", "scrying orb", "scrying orbs", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {220, kNew, "CORN", "cornucopia", "cornucopias", ItemClass::Magic | ItemClass::Mageonly, kNoTransport, ""},
    {221, kNew, "BKEX", "book of exorcism", "books of exorcism", ItemClass::Magic | ItemClass::Battle | ItemClass::Mageonly, kNoTransport, ""},
    {222, kNew, "HLYS", "holy symbol", "holy symbols", ItemClass::Magic | ItemClass::Battle | ItemClass::Mageonly, kNoTransport, ""},
    {223, kNew, "CNSR", "censer of protection", "censers of protection", ItemClass::Magic | ItemClass::Battle | ItemClass::Mageonly, kNoTransport, ""},
    {225, kBoth, "TURT", "giant turtle", "giant turtles", ItemClass::Advanced | ItemClass::Mount, kNoTransport, "FISH"},
    {226, kNew, "CATP", "catapult", "catapults", ItemClass::Monster, kNoTransport, "CARP"},
    {227, kNew, "STED", "steel defender", "steel defenders", ItemClass::Monster, kNoTransport, "CARP"},
    {228, kBoth, "DEVL", "devil", "devils", ItemClass::Monster | ItemClass::Demon, kNoTransport, ""},
    {229, kNew, "IENT", "imprisoned entity", "imprisoned entities", ItemClass::Special, kNoGive | kNoTransport, ""},
};
constexpr SkillToken kSkillTokens[] = {
    {0, kBoth, "MINI", "mining", 0},
    {1, kBoth, "LUMB", "lumberjack", 0},
    {2, kBoth, "QUAR", "quarrying", 0},
    {3, kBoth, "HUNT", "hunting", 0},
    {4, kBoth, "FISH", "fishing", 0},
    {5, kBoth, "HERB", "herb lore", 0},
    {6, kBoth, "HORS", "horse training", 0},
    {7, kBoth, "WEAP", "weaponsmith", 0},
    {8, kBoth, "ARMO", "armorer", 0},
    {9, kBoth, "CARP", "carpenter", 0},
    {10, kBoth, "BUIL", "building", 0},
    {11, kBoth, "SHIP", "shipbuilding", 0},
    {12, kBoth, "ENTE", "entertainment", 0},
    {13, kBoth, "TACT", "tactics", 0},
    {14, kBoth, "COMB", "combat", 0},
    {15, kBoth, "RIDI", "riding", 0},
    {16, kBoth, "XBOW", "crossbow", 0},
    {17, kBoth, "LBOW", "longbow", 0},
    {18, kBoth, "STEA", "stealth", 0},
    {19, kBoth, "OBSE", "observation", 0},
    {20, kBoth, "HEAL", "healing", 0},
    {21, kBoth, "SAIL", "sailing", 0},
    {22, kBoth, "FARM", "farming", 0},
    {23, kStd, "RANC", "ranching", 0},
    {24, kBoth, "FORC", "force", SkillFlag::Magic | SkillFlag::Foundation},
    {25, kBoth, "PATT", "pattern", SkillFlag::Magic | SkillFlag::Foundation},
    {26, kBoth, "SPIR", "spirit", SkillFlag::Magic | SkillFlag::Foundation},
    {27, kBoth, "FIRE", "fire", SkillFlag::Magic | SkillFlag::Combat},
    {28, kBoth, "EQUA", "earthquake", SkillFlag::Magic | SkillFlag::Combat},
    {29, kBoth, "FSHI", "force shield", SkillFlag::Magic | SkillFlag::Combat},
    {30, kBoth, "ESHI", "energy shield", SkillFlag::Magic | SkillFlag::Combat},
    {31, kBoth, "SSHI", "spirit shield", SkillFlag::Magic | SkillFlag::Combat},
    {32, kBoth, "MHEA", "magical healing", SkillFlag::Magic},
    {33, kBoth, "GATE", "gate lore", SkillFlag::Magic | SkillFlag::Cast},
    {34, kBoth, "FARS", "farsight", SkillFlag::Magic | SkillFlag::Cast},
    {35, kBoth, "TELE", "teleportation", SkillFlag::Magic | SkillFlag::Cast},
    {36, kBoth, "PORT", "portal lore", SkillFlag::Magic | SkillFlag::Cast},
    {37, kBoth, "MIND", "mind reading", SkillFlag::Magic | SkillFlag::Cast},
    {38, kBoth, "WEAT", "weather lore", SkillFlag::Magic | SkillFlag::Cast},
    {39, kBoth, "SWIN", "summon wind", SkillFlag::Magic | SkillFlag::Cast},
    {40, kBoth, "SSTO", "summon storm", SkillFlag::Magic | SkillFlag::Combat},
    {41, kBoth, "STOR", "summon tornado", SkillFlag::Magic | SkillFlag::Combat},
    {42, kBoth, "CALL", "call lightning", SkillFlag::Magic | SkillFlag::Combat},
    {43, kBoth, "CLEA", "clear skies", SkillFlag::Magic | SkillFlag::Combat | SkillFlag::Cast},
    {44, kBoth, "EART", "earth lore", SkillFlag::Magic | SkillFlag::Cast},
    {45, kBoth, "WOLF", "wolf lore", SkillFlag::Magic | SkillFlag::Cast},
    {46, kBoth, "BIRD", "bird lore", SkillFlag::Magic | SkillFlag::Cast},
    {47, kBoth, "DRAG", "dragon lore", SkillFlag::Magic | SkillFlag::Cast},
    {48, kBoth, "NECR", "necromancy", SkillFlag::Magic},
    {49, kBoth, "SUSK", "summon skeletons", SkillFlag::Magic | SkillFlag::Cast},
    {50, kBoth, "RAIS", "raise undead", SkillFlag::Magic | SkillFlag::Cast},
    {51, kBoth, "SULI", "summon lich", SkillFlag::Magic | SkillFlag::Cast},
    {52, kBoth, "FEAR", "create aura of fear", SkillFlag::Magic | SkillFlag::Combat},
    {53, kBoth, "SBLA", "summon black wind", SkillFlag::Magic | SkillFlag::Combat},
    {54, kBoth, "BUND", "banish undead", SkillFlag::Magic | SkillFlag::Combat},
    {55, kBoth, "DEMO", "demon lore", SkillFlag::Magic},
    {56, kBoth, "SUIM", "summon imps", SkillFlag::Magic | SkillFlag::Cast},
    {57, kBoth, "SUDE", "summon demon", SkillFlag::Magic | SkillFlag::Cast},
    {58, kBoth, "SUBA", "summon balrog", SkillFlag::Magic | SkillFlag::Cast},
    {59, kBoth, "BDEM", "banish demons", SkillFlag::Magic | SkillFlag::Combat},
    {60, kBoth, "ILLU", "illusion", SkillFlag::Magic},
    {61, kBoth, "PHEN", "phantasmal entertainment", SkillFlag::Magic | SkillFlag::Cast},
    {62, kBoth, "PHBE", "create phantasmal beasts", SkillFlag::Magic | SkillFlag::Cast},
    {64, kBoth, "PHDE", "create phantasmal demons", SkillFlag::Magic | SkillFlag::Cast},
    {65, kBoth, "INVI", "invisibility", SkillFlag::Magic | SkillFlag::Cast},
    {66, kBoth, "TRUE", "true seeing", SkillFlag::Magic},
    {67, kBoth, "DISP", "dispel illusions", SkillFlag::Magic | SkillFlag::Combat},
    {68, kBoth, "ARTI", "artifact lore", SkillFlag::Magic},
    {69, kBoth, "CRRI", "create ring of invisibility", SkillFlag::Magic | SkillFlag::Cast},
    {70, kBoth, "CRCL", "create cloak of invulnerability", SkillFlag::Magic | SkillFlag::Cast},
    {71, kBoth, "CRSF", "create staff of fire", SkillFlag::Magic | SkillFlag::Cast},
    {72, kStd, "CRSL", "create staff of lightning", SkillFlag::Magic | SkillFlag::Cast},
    {73, kBoth, "CRTA", "create amulet of true seeing", SkillFlag::Magic | SkillFlag::Cast},
    {74, kBoth, "CRPA", "create amulet of protection", SkillFlag::Magic | SkillFlag::Cast},
    {75, kBoth, "CRRU", "create runesword", SkillFlag::Magic | SkillFlag::Cast},
    {76, kBoth, "CRSS", "create shieldstone", SkillFlag::Magic | SkillFlag::Cast},
    {77, kBoth, "CRMA", "create magic carpet", SkillFlag::Magic | SkillFlag::Cast},
    {78, kBoth, "ENGR", "engrave runes of warding", SkillFlag::Magic | SkillFlag::Cast},
    {79, kBoth, "CGAT", "construct gate", SkillFlag::Magic | SkillFlag::Cast},
    {80, kBoth, "ESWO", "enchant swords", SkillFlag::Magic | SkillFlag::Cast},
    {81, kBoth, "EARM", "enchant armor", SkillFlag::Magic | SkillFlag::Cast},
    {82, kNew, "ESHD", "enchant shields", SkillFlag::Magic | SkillFlag::Cast},
    {83, kBoth, "CPOR", "construct portal", SkillFlag::Magic | SkillFlag::Cast},
    {84, kNew, "MANI", "manipulation", SkillFlag::Apprentice},
    {85, kStd, "WCRA", "weaponcraft", 0},
    {86, kStd, "ACRA", "armorcraft", 0},
    {90, kNew, "CFSW", "create flaming sword", SkillFlag::Magic | SkillFlag::Cast},
    {91, kNew, "COOK", "cooking", 0},
    {93, kNew, "QUAM", "quartermaster", 0},
    {94, kNew, "CRAG", "create aegis", SkillFlag::Magic | SkillFlag::Cast},
    {95, kNew, "CRWC", "create windchime", SkillFlag::Magic | SkillFlag::Cast},
    {96, kNew, "CRGC", "create gate crystal", SkillFlag::Magic | SkillFlag::Cast},
    {97, kNew, "CRSH", "create staff of healing", SkillFlag::Magic | SkillFlag::Cast},
    {98, kNew, "CRSO", "create scrying orb", SkillFlag::Magic | SkillFlag::Cast},
    {99, kNew, "CRCO", "create cornucopia", SkillFlag::Magic | SkillFlag::Cast},
    {100, kNew, "CRBX", "create book of exorcism", SkillFlag::Magic | SkillFlag::Cast},
    {101, kNew, "CRHS", "create holy symbol", SkillFlag::Magic | SkillFlag::Cast},
    {102, kNew, "CRCN", "create censer of protection", SkillFlag::Magic | SkillFlag::Cast},
    {103, kNew, "TRNS", "transmutation", SkillFlag::Magic | SkillFlag::Cast},
    {106, kNew, "ANNI", "annihilation", 0},
};
constexpr ObjectToken kObjectTokens[] = {
    {1, kBoth, "Fleet", true, ""},
    {14, kBoth, "Tower", true, "BUIL"},
    {15, kBoth, "Fort", true, "BUIL"},
    {16, kBoth, "Castle", true, "BUIL"},
    {17, kBoth, "Citadel", true, "BUIL"},
    {18, kBoth, "Shaft", true, ""},
    {19, kBoth, "Lair", false, ""},
    {20, kBoth, "Ruin", false, ""},
    {21, kBoth, "Cave", false, ""},
    {22, kBoth, "Demon Pit", false, ""},
    {23, kBoth, "Crypt", false, ""},
    {24, kNew, "Magical Tower", true, "BUIL"},
    {25, kNew, "Magical Fortress", true, "BUIL"},
    {26, kStd, "Magical Fortress", true, "BUIL"},
    {26, kNew, "Magical Castle", true, "BUIL"},
    {27, kNew, "Magical Citadel", true, "BUIL"},
    {28, kBoth, "Mine", true, "MINI"},
    {29, kBoth, "Farm", true, "FARM"},
    {30, kBoth, "Ranch", true, "FARM"},
    {31, kBoth, "Timber Yard", true, "LUMB"},
    {32, kBoth, "Inn", true, "BUIL"},
    {33, kBoth, "Quarry", true, "QUAR"},
    {34, kBoth, "Island", false, ""},
    {35, kBoth, "Derelict Ship", false, ""},
    {36, kBoth, "Cavern", false, ""},
    {37, kBoth, "Whirlpool", false, ""},
    {38, kBoth, "Road N", true, "BUIL"},
    {39, kBoth, "Road NW", true, "BUIL"},
    {40, kBoth, "Road NE", true, "BUIL"},
    {41, kBoth, "Road SW", true, "BUIL"},
    {42, kBoth, "Road SE", true, "BUIL"},
    {43, kBoth, "Road S", true, "BUIL"},
    {44, kBoth, "Temple", true, "BUIL"},
    {45, kBoth, "Mystic Quarry", true, "QUAR"},
    {46, kBoth, "Arcane Mine", true, "MINI"},
    {47, kBoth, "Forest Preserve", true, "LUMB"},
    {48, kBoth, "Sacred Grove", true, "LUMB"},
    {49, kBoth, "Black Keep", true, "BUIL"},
    {50, kStd, "Palace", true, ""},
    {52, kNew, "Hermits hut", true, "BUIL"},
    {53, kBoth, "Stockade", true, "BUIL"},
    {59, kBoth, "Magician's Tower", false, ""},
    {60, kBoth, "Dark Mage Tower", false, ""},
    {61, kBoth, "Giant's Castle", false, ""},
    {62, kBoth, "Lair", false, ""},
    {63, kBoth, "Ice Cave", false, ""},
    {64, kBoth, "Bog", false, ""},
    {65, kBoth, "Trapping Hut", true, "HUNT"},
    {66, kNew, "Stables", true, "HORS"},
    {67, kNew, "Mythic Stables", true, "HORS"},
    {68, kNew, "Trapping Lodge", true, "HUNT"},
    {69, kNew, "Faerie Ring", true, "HERB"},
    {70, kNew, "Alchemist Lab", true, "MINI"},
    {71, kNew, "Oasis", true, "HORS"},
    {74, kNew, "Caravanserai", true, "BUIL"},
    {75, kBoth, "Gateway", true, ""},
    {76, kNew, "Ritual Altar", false, ""},
    {77, kNew, "Empowered Altar", false, ""},
    {78, kNew, "Mystical Anomaly", false, ""},
    {79, kNew, "Dormant Monolith", false, ""},
    {80, kNew, "World-breaker Monolith", true, ""},
};

// No name in the tables is this long; longer words are never looked up (nor copied).
constexpr std::size_t kLongestName = 48;

char KeyChar(char c) {
    if (c == '_') return ' ';
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

// The lookup key of a text in a fixed buffer; empty when the text is too long to be any name.
struct Key {
    char text[kLongestName];
    std::size_t size = 0;

    explicit Key(std::string_view word) {
        if (word.size() > kLongestName) return;
        for (char c : word) text[size++] = KeyChar(c);
    }
    std::string_view view() const { return {text, size}; }
};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename Value>
using KeyMap = std::unordered_map<std::string, std::vector<const Value*>, TextHash, std::equal_to<>>;

template <typename Value>
void AddKey(KeyMap<Value>& map, std::string_view name, const Value* value) {
    if (name.empty()) return;
    auto& entries = map[std::string(Key(name).view())];
    // A token whose name and plural are the same is listed once.
    if (entries.empty() || entries.back() != value) entries.push_back(value);
}

template <typename Value>
const std::vector<const Value*>* Lookup(const KeyMap<Value>& map, std::string_view text) {
    if (text.empty() || text.size() > kLongestName) return nullptr;
    const Key key(text);
    const auto found = map.find(key.view());
    return found == map.end() ? nullptr : &found->second;
}

bool Accepts(const ItemToken& item, ItemFilter filter) {
    switch (filter) {
        case ItemFilter::Any: return true;
        case ItemFilter::Giveable: return item.Giveable();
        case ItemFilter::Transportable: return item.Transportable();
    }
    return false;
}

}  // namespace

struct TokenTables::Index {
    KeyMap<ItemToken> items;
    KeyMap<ItemToken> ships;
    KeyMap<SkillToken> skills;
    KeyMap<ObjectToken> objects;
};

std::optional<RuleSet> RuleSetNamed(std::string_view word) {
    if (SameName(word, "standard")) return RuleSet::Standard;
    if (SameName(word, "new")) return RuleSet::New;
    return std::nullopt;
}

std::string_view RuleSetName(RuleSet rules) {
    return rules == RuleSet::New ? "new" : "standard";
}

TokenTables::TokenTables(RuleSet rules) : rules_(rules), index_(new Index) {
    const uint8_t mask = rules == RuleSet::New ? kNew : kStd;
    for (const ItemToken& item : kItemTokens) {
        if ((item.rules & mask) == 0) continue;
        AddKey(index_->items, item.name, &item);
        AddKey(index_->items, item.plural, &item);
        AddKey(index_->items, item.abbr, &item);
        if (item.Is(ItemClass::Ship)) {
            AddKey(index_->ships, item.name, &item);
            AddKey(index_->ships, item.abbr, &item);
        }
    }
    for (const SkillToken& skill : kSkillTokens) {
        if ((skill.rules & mask) == 0) continue;
        AddKey(index_->skills, skill.name, &skill);
        AddKey(index_->skills, skill.abbr, &skill);
    }
    for (const ObjectToken& object : kObjectTokens) {
        if ((object.rules & mask) == 0) continue;
        AddKey(index_->objects, object.name, &object);
    }
    // Names are found by the lowest index, whichever of name, plural or code matched.
    for (auto& [key, entries] : index_->items)
        std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->index < b->index; });
}

TokenTables::~TokenTables() {
    delete index_;
}

const TokenTables& TokenTables::For(RuleSet rules) {
    static const TokenTables standard(RuleSet::Standard);
    static const TokenTables newer(RuleSet::New);
    return rules == RuleSet::New ? newer : standard;
}

const ItemToken* TokenTables::FindItem(std::string_view text, ItemFilter filter) const {
    if (const auto* entries = Lookup(index_->items, text)) {
        for (const ItemToken* item : *entries)
            if (Accepts(*item, filter)) return item;
    }
    return nullptr;
}

const ItemToken* TokenTables::FindShip(std::string_view text) const {
    const auto* entries = Lookup(index_->ships, text);
    return entries ? entries->front() : nullptr;
}

const SkillToken* TokenTables::FindSkill(std::string_view text) const {
    const auto* entries = Lookup(index_->skills, text);
    return entries ? entries->front() : nullptr;
}

const ObjectToken* TokenTables::FindObject(std::string_view text) const {
    const auto* entries = Lookup(index_->objects, text);
    return entries ? entries->front() : nullptr;
}

uint32_t ItemClassNamed(std::string_view text) {
    struct Named {
        std::string_view name;
        uint32_t classes;
    };
    static constexpr Named kClasses[] = {
        {"normal", ItemClass::Normal},   {"advanced", ItemClass::Advanced}, {"trade", ItemClass::Trade},
        {"man", ItemClass::Man},         {"men", ItemClass::Man},           {"monster", ItemClass::Monster},
        {"monsters", ItemClass::Monster}, {"magic", ItemClass::Magic},      {"weapon", ItemClass::Weapon},
        {"weapons", ItemClass::Weapon},  {"armor", ItemClass::Armor},       {"mount", ItemClass::Mount},
        {"mounts", ItemClass::Mount},    {"battle", ItemClass::Battle},     {"special", ItemClass::Special},
        {"food", ItemClass::Food},       {"tool", ItemClass::Tool},         {"tools", ItemClass::Tool},
        {"ship", ItemClass::Ship},       {"ships", ItemClass::Ship},        {"item", ~0u},
        {"items", ~0u},
    };
    for (const Named& entry : kClasses)
        if (SameName(text, entry.name)) return entry.classes;
    return 0;
}

std::string_view NameKey(std::string_view text, std::string& buffer) {
    buffer.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = KeyChar(text[i]);
    return buffer;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (KeyChar(a[i]) != KeyChar(b[i])) return false;
    return true;
}

}  // namespace hexwarden
