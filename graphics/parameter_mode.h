#pragma once
// The parameter mode's state: the component chosen as parameter, its five values and the label
// that names the component. The panel shows it and the family sweep reads it.
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "graphics/parameter_values.h"

namespace volmira {

inline constexpr std::string_view kParameterOnCaption = "Parameter-Modus EIN";
inline constexpr std::string_view kParameterOffCaption = "Parameter-Modus wieder beenden";
// After a new analysis the caption reads with two blanks.
inline constexpr std::string_view kParameterResetCaption = "Parameter-Modus  EIN";
inline constexpr std::string_view kParameterPrompt =
    "Unten gew\xC3\xBCnschtes Parameter-Bauteil anklicken";
inline constexpr std::string_view kNoParameterLabel =
    "z.Zt. kein Parameter-Bauteil gew\xC3\xA4hlt !";
inline constexpr std::string_view kPickFiveLabel =
    "W\xC3\xA4hlen Sie aus der Liste bis zu 5 Werte durch Anklicken aus\n"
    "=> anschliessend \"\xC3\x9C"
    "bernehmen\" bet\xC3\xA4tigen.";
inline constexpr std::string_view kInvalidatedText =
    "Werte wegen Parameter\xC3\xA4nderung nicht mehr g\xC3\xBCltig !";
inline constexpr std::string_view kRestartText = "Bitte Berechnungen manuell neu starten";

class ParameterMode {
  public:
    ParameterMode() { values_.fill(NotComputed); }

    // paramMode: 1 while a parameter component is chosen.
    int paramMode() const { return component_ != 0 ? 1 : 0; }
    int paramComponent() const { return component_; }
    const std::string& componentName() const { return name_; }
    E12Kind kind() const { return kind_; }
    int unitCode() const { return e12UnitCode(kind_); }
    const ParameterValues& values() const { return values_; }
    ParameterCaptions captions() const { return parameterCaptions(values_, unitCode()); }
    // plab3: "R 1:   Normalwert:  = 1 kOhm", or that no component is chosen.
    const std::string& label() const { return label_; }

    // sbklein2MouseDown: component k (1-based) of `network` becomes the parameter, with the values
    // it had when last used, else five E12 values around its own. A component that is not a
    // resistor, capacitor or inductor is refused (false).
    bool pick(const Network& network, int component);
    // ParEinAus switching off, or waiting for a component: no parameter; the values are kept
    // per component for the next pick.
    void clearComponent();
    // A new analysis: the component numbers mean other components now.
    void reset();

    // eingFeld over panel `index` (1..5); false when the text is refused (nothing changes).
    bool edit(int index, std::string_view text);
    // WerOK: the picker's selection as the five values.
    void take(const E12Selection& selection);

  private:
    void remember();

    int component_ = 0;
    std::string name_;
    E12Kind kind_ = E12Kind::Resistor;
    ParameterValues values_{};
    std::string label_{kNoParameterLabel};
    ParameterMemory memory_;
};

}  // namespace volmira
