#include "EffectCatalogue.h"

#include <QCoreApplication>

#include <array>

namespace pattern {

namespace {

using namespace std::string_view_literals;

constexpr std::array runRight{"10000000"sv, "01000000"sv, "00100000"sv, "00010000"sv,
                              "00001000"sv, "00000100"sv, "00000010"sv, "00000001"sv};
constexpr std::array runLeft{"00000001"sv, "00000010"sv, "00000100"sv, "00001000"sv,
                             "00010000"sv, "00100000"sv, "01000000"sv, "10000000"sv};
constexpr std::array fill{"10000000"sv, "11000000"sv, "11100000"sv, "11110000"sv,
                          "11111000"sv, "11111100"sv, "11111110"sv, "11111111"sv};
constexpr std::array drain{"11111111"sv, "01111111"sv, "00111111"sv, "00011111"sv,
                           "00001111"sv, "00000111"sv, "00000011"sv, "00000001"sv};
constexpr std::array converge{"10000001"sv, "01000010"sv, "00100100"sv, "00011000"sv};
constexpr std::array diverge{"00011000"sv, "00100100"sv, "01000010"sv, "10000001"sv};
constexpr std::array doubleChain{"10000000"sv, "01000000"sv, "10100000"sv, "01010000"sv,
                                 "00101000"sv, "00010100"sv, "00001010"sv, "00000101"sv};
constexpr std::array chainRight{"10000000"sv, "01000000"sv, "10100000"sv, "01010000"sv,
                                "10101000"sv, "01010100"sv, "10101010"sv, "01010101"sv,
                                "00101010"sv, "00010101"sv, "00001010"sv, "00000101"sv,
                                "00000010"sv, "00000001"sv};
constexpr std::array alternate{"10000000"sv, "11000000"sv, "11100000"sv, "11110000"sv,
                               "00000001"sv, "00000011"sv, "00000111"sv, "00001111"sv};
constexpr std::array endsInward{"10000000"sv, "00000001"sv, "01000000"sv, "00000010"sv,
                                "00100000"sv, "00000100"sv, "00010000"sv, "00001000"sv};
constexpr std::array stepRight{"10000000"sv, "00000000"sv, "01000000"sv, "00000000"sv,
                               "00100000"sv, "00000000"sv, "00010000"sv, "00000000"sv,
                               "00001000"sv, "00000000"sv, "00000100"sv, "00000000"sv,
                               "00000010"sv, "00000000"sv, "00000001"sv, "00000000"sv};
constexpr std::array pairRun{"11000000"sv, "01100000"sv, "00110000"sv, "00011000"sv,
                             "00001100"sv, "00000110"sv, "00000011"sv, "00000000"sv};

const std::array<Effect, effects::Count> catalogue{{
    {QT_TRANSLATE_NOOP("Effect", "бегущий вправо"), runRight},
    {QT_TRANSLATE_NOOP("Effect", "бегущий влево"), runLeft},
    {QT_TRANSLATE_NOOP("Effect", "наполнение"), fill},
    {QT_TRANSLATE_NOOP("Effect", "убывание"), drain},
    {QT_TRANSLATE_NOOP("Effect", "схождение"), converge},
    {QT_TRANSLATE_NOOP("Effect", "расхождение"), diverge},
    {QT_TRANSLATE_NOOP("Effect", "цепь двойная"), doubleChain},
    {QT_TRANSLATE_NOOP("Effect", "цепь вправо"), chainRight},
    {QT_TRANSLATE_NOOP("Effect", "чередование"), alternate},
    {QT_TRANSLATE_NOOP("Effect", "перебор схожд."), endsInward},
    {QT_TRANSLATE_NOOP("Effect", "перебор вправо"), stepRight},
    {QT_TRANSLATE_NOOP("Effect", "бегущий парный"), pairRun},
}};

} // namespace

const Effect *effect(int index)
{
    if (index < 0 || index >= effects::Count)
        return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
}

QString caption(const Effect &effect)
{
    return QString::fromUtf8(effect.caption.data(), static_cast<qsizetype>(effect.caption.size()));
}

QString label(const Effect &effect)
{
    return QCoreApplication::translate("Effect", effect.caption.data());
}

} // namespace pattern
