#include "core/scales/RuleScale.h"

#include "core/scales/TypedValue.h"

#include <cmath>

namespace kelo {

std::optional<int> RuleScale::indexFromText(std::string_view typed) const {
    const std::optional<double> number = readTypedValue(typed, unit);
    if (!number) {
        return std::nullopt;
    }
    return IndexFromValue(*number);
}

// The value rules are written exactly as the unit documentation gives them, operand order included,
// so that the last bit of every value (and therefore the sign of a rounded zero) is reproducible.

constinit const RuleScale EqGainScale{60, [](int i) { return (i - 30) * 0.5; },
                                      [](double x) { return nearest(2 * x + 30); }, NumberStyle::Signed1,
                                      "dB"};

constinit const RuleScale EqBandwidthScale{59, [](int i) { return (i + 1) * 0.05; },
                                           [](double x) { return nearest(20 * x) - 1; }, NumberStyle::Plain2,
                                           "oct"};

constinit const RuleScale ProcessorGainScale{72, [](int i) { return i * 0.5 - 30; },
                                             [](double x) { return nearest(2 * x + 60); },
                                             NumberStyle::Signed1, "dB"};

constinit const RuleScale AmpInputGainScale{99, [](int i) { return i * 0.5 - 49.5; },
                                            [](double x) { return nearest(2 * x + 99); },
                                            NumberStyle::Signed1, "dB"};

constinit const RuleScale AmpCompThresholdScale{102, [](int i) { return i * 0.2 - 20.4; },
                                                [](double x) { return nearest(5 * x + 102); },
                                                NumberStyle::Signed1, "dB"};

constinit const RuleScale GateThresholdScale{91,
                                             [](int i) {
                                                 if (i < 18) {
                                                     return 2.0 * i - 80;
                                                 }
                                                 if (i <= 50) {
                                                     return i - 63.0;
                                                 }
                                                 return (i - 51) * 0.5 - 12;
                                             },
                                             [](double x) {
                                                 if (x < -45.5) {
                                                     return nearest((x + 80) / 2);
                                                 }
                                                 if (x <= -12.5) {
                                                     return nearest(x + 63);
                                                 }
                                                 return nearest(2 * (x + 12) + 51);
                                             },
                                             NumberStyle::Plain1, "dB"};

constinit const RuleScale GateRangeScale{
    110, [](int i) { return i <= 60 ? -0.5 * i : -(i - 30.0); },
    [](double x) { return x > -30.5 ? nearest(-2 * x) : nearest(30 - x); }, NumberStyle::Plain1, "dB"};

constinit const RuleScale AttackTimeScale{84,
                                          [](int i) {
                                              if (i < 20) {
                                                  return (i + 1) * 0.5;
                                              }
                                              if (i < 60) {
                                                  return i - 9.0;
                                              }
                                              return 2.0 * (i - 59) + 50;
                                          },
                                          [](double x) {
                                              if (x < 10) {
                                                  return nearest(2 * x - 1);
                                              }
                                              if (x <= 50) {
                                                  return nearest(x + 9);
                                              }
                                              return nearest((x - 50) / 2 + 59);
                                          },
                                          NumberStyle::Plain1, "ms"};

constinit const RuleScale ReleaseTimeScale{99,
                                           [](int i) {
                                               if (i < 50) {
                                                   return (i + 1) / 100.0;
                                               }
                                               if (i < 80) {
                                                   return (5.0 * (i - 50) + 55) / 100;
                                               }
                                               return (10.0 * (i - 80) + 210) / 100;
                                           },
                                           [](double x) {
                                               if (x < 0.5) {
                                                   return nearest(100 * x - 1);
                                               }
                                               if (x < 2) {
                                                   return nearest((100 * x - 55) / 5 + 50);
                                               }
                                               return nearest((100 * x - 210) / 10 + 80);
                                           },
                                           NumberStyle::Plain2, "S"};

constinit const RuleScale BoostThresholdScale{
    74, [](int i) { return i < 34 ? i - 46.0 : (i - 34) * 0.5 - 12; },
    [](double x) { return x <= -12.5 ? nearest(x + 46) : nearest(2 * (x + 12) + 34); }, NumberStyle::Plain1,
    "dB"};

constinit const RuleScale BoostGainScale{72, [](int i) { return (i - 36) * 0.5; },
                                         [](double x) { return nearest(2 * x + 36); }, NumberStyle::Signed1,
                                         "dB"};

constinit const RuleScale HumFrequencyScale{300, [](int i) { return (i + 400) / 10.0; },
                                            [](double x) { return nearest(10 * x - 400); },
                                            NumberStyle::Plain1, "Hz"};

constinit const RuleScale HumThresholdScale{
    60, [](int i) { return i - 60.0; }, [](double x) { return nearest(x + 60); }, NumberStyle::Integer, "dB"};

// Two stages: to the nearest 2.5 degree step, then down to the 5 degree step.
constinit const RuleScale PhaseScale{36, [](int i) { return 5.0 * i; },
                                     [](double x) { return std::trunc(nearest(0.4 * x) / 2); },
                                     NumberStyle::Integer, "deg"};

} // namespace kelo
