#include "panels/setting_buttons.h"

#include "vocab/vocabulary.h"

namespace {

using P = PreferenceValues;

constexpr SettingButtons::Caption kCaptions[] = {
    {"btnCustom", Vocabulary::Custom, nullptr},
    {"btnModal", -1, &P::modalCaption},
    {"btnInfinitive", -1, &P::infinitiveCaption},
    {"btnPluralize", -1, &P::pluralizeCaption},
    {"btnCapitalize", -1, &P::capitalizeCaption},
    {"btnPerson", Vocabulary::Person, nullptr},
    {"btnPlant", Vocabulary::Plant, nullptr},
    {"btnPlaceMain", Vocabulary::Place, nullptr},
    {"btnObject", Vocabulary::Object, nullptr},
    {"btnEvent", Vocabulary::Event, nullptr},
    {"btnCharacter", Vocabulary::Character, nullptr},
    {"btnAnimal", Vocabulary::Animal, nullptr},
    {"btnBodyPart", Vocabulary::BodyPart, nullptr},
    {"btnSubstance", Vocabulary::Substance, nullptr},
    {"btnConcept", Vocabulary::Concept, nullptr},
};
static_assert(std::size(kCaptions) == SettingButtons::CaptionCount);

// In the order of PreferenceValues::LeftClickGroup (lines 13 to 19).
constexpr const char *kLeftClick[] = {"btnPronoun", "btnModal",  "btnPreposition", "btnConjunction",
                                      "btnDegree",  "btnPlace2", "btnTime"};
static_assert(std::size(kLeftClick) == P::LeftClickGroupCount);

} // namespace

std::span<const SettingButtons::Caption> SettingButtons::captions()
{
    return kCaptions;
}

const char *SettingButtons::leftClickButton(PreferenceValues::LeftClickGroup group)
{
    return kLeftClick[group];
}
