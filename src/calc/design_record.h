#pragma once
// The design record: inputs, derived quantities and results of the one serrated
// shaft-hub connection. Internal units are always metric (mm, degree, N·m, N/mm²,
// kW, 1/min); unit systems only affect input and display (see units.h).

#include <array>
#include <cstdint>
#include <string>

namespace zt6 {

// Maximum lengths of the connection's text fields (characters).
namespace width {
inline constexpr std::size_t drawingName1 = 25;
inline constexpr std::size_t drawingName2 = 30;
inline constexpr std::size_t drawingNumber = 18;
inline constexpr std::size_t infoLine = 65;
inline constexpr std::size_t materialNumber = 9;
inline constexpr std::size_t materialName = 18;
inline constexpr std::size_t materialText3 = 9;
inline constexpr std::size_t materialLongText = 35;
}  // namespace width

enum class DimensionSource : std::uint16_t { Database = 1, SelfDefined = 2 };
enum class ToleranceClass : std::uint16_t { Fine = 1, Coarse = 2 };  // "fein", "grob"
enum class ComputedQuantity : std::int32_t { Power = 1, Speed = 2, Torque = 3 };

// One of the two materials: index 0 = shaft ("Innenteil (Welle)"), 1 = hub ("Außenteil (Nabe)").
struct Material {
  std::string number;      // "Werkstoffnummer", <= 9
  std::string name;        // "Werkstoffname", <= 18
  std::string text3;       // material table field 3, <= 9
  std::int32_t type = 1;   // "Werkstofftyp": material group number
  std::int32_t field5 = 370;
  std::int32_t Re = 0;     // "Streckgrenze" N/mm² (Rm for brittle materials)
  std::int32_t field7 = 0;
  std::array<double, 4> fields8to11{};
  std::string text12;      // <= 35
  std::string text13;      // <= 35
  double fH = 1.0;         // "Härteeinflußfaktor"
  double fS = 1.0;         // "Stützfaktor"
  std::uint16_t tableRow = 1;
  double pzul = 1.0;       // permissible flank pressure Re·fS·fH, N/mm²
  // Strength results of this part.
  double Seq = 1.0;        // safety against the equivalent flank pressure
  double Smax = 1.0;       // safety against the maximum flank pressure
};

// Drawing identification and info lines saved with the connection.
struct DrawingIdentification {
  std::string shaftName1;    // <= 25
  std::string shaftName2;    // <= 30
  std::string shaftNumber;   // <= 18
  std::string hubName1;      // <= 25
  std::string hubName2;      // <= 30
  std::string hubNumber;     // <= 18
  std::array<std::string, 3> infoLines;  // <= 65 each; CP850
};

struct DesignRecord {
  // A. Identification and selectors
  std::string designation;  // CP850, e.g. "12x14"
  std::int32_t z = 0;
  std::int32_t tableRow = 0;
  DimensionSource dimensionSource = DimensionSource::Database;
  ToleranceClass toleranceClass = ToleranceClass::Fine;

  // B. Geometry inputs (mm, degree)
  double Dii = 0;     // tip diameter of the hub, ISO "A11"
  double Dee = 0;     // tip diameter of the shaft, ISO "a11"
  double D = 0;       // reference (pitch) diameter
  double gammaE = 60; // space angle of the shaft profile
  double l = 0;       // engaged tooth width
  double riMax = 0;   // root fillet radius of the hub (max); 0 = computed
  double reMax = 0;   // root fillet radius of the shaft (max); 0 = computed
  // The radii a calculation filled in for an input of 0: while ri max / re max still
  // equal them they stay automatic (saved as 0, computed again by the next run).
  double riMaxFilled = 0;
  double reMaxFilled = 0;

  // C. Tolerance inputs (mm)
  double TGi = 0;  // total tolerance of the hub space width
  double TGe = 0;  // total tolerance of the shaft tooth thickness
  double DRi = 0;  // measuring-pin diameter, hub; 0 = computed
  double DRe = 0;  // measuring-pin diameter, shaft; 0 = DRi

  // D. Derived geometry (mm, degree, rad)
  double Deemin = 0, Deemax = 0, DeeMean = 0;
  double Diimin = 0, Diimax = 0, DiiMean = 0;
  double P = 0;            // pitch on the reference circle, π·D/z
  double DByZ = 0;         // D/z
  double gammaI = 0;       // space angle of the hub profile
  double gammaERad = 0, gammaIRad = 0;
  double Sv = 0, Smax = 0, Smin = 0, SMean = 0;  // tooth thickness of the shaft
  double Ev = 0, Emax = 0, Emin = 0, EMean = 0;  // space width of the hub
  double MReV = 0, MRemax = 0, MRemin = 0;       // over two pins, shaft
  double MRiV = 0, MRimax = 0, MRimin = 0;       // between two pins, hub
  double reMin = 0, reMean = 0;
  double riMin = 0, riMean = 0;
  double Diemin = 0, Diemax = 0, DieMean = 0;    // root diameter, shaft
  double Deimin = 0, Deimax = 0, DeiMean = 0;    // root diameter, hub
  double DFemin = 0, DFemax = 0, DFeMean = 0;    // form-circle diameter, shaft
  double DFimin = 0, DFimax = 0, DFiMean = 0;    // form-circle diameter, hub
  double DVe = 0, DVi = 0;                       // flank intersection diameters

  // E. Deviation guide values (mm; database mode only). Index 0 shaft, 1 hub.
  std::array<double, 2> Falpha{};
  std::array<double, 2> Fp{};
  std::array<double, 2> Fbeta{};
  double Fr = 0;

  // F. Load inputs
  double TN = 0;        // nominal torque, N·m
  double Tmax = 0;      // maximum torque, N·m
  double KA = 1.0;      // application factor
  double Klambda = 1.0; // load distribution factor
  double fW = 1.0;      // load reversal factor
  std::array<double, 2> fL{1.0, 1.0};  // load peak frequency factor, shaft and hub
  double power = 0;     // kW
  double n = 0;         // 1/min
  ComputedQuantity computedQuantity = ComputedQuantity::Power;

  // G. Load results
  double Teq = 0;       // N·m
  double KphiEq = 0, KphiMax = 0;
  double hw = 0;        // contact height, mm
  double rm = 0;        // mean radius, mm
  double alphaW = 0;    // flank angle, rad
  double rw = 0;        // effective radius, mm
  double peq = 0, pmax = 0;  // N/mm²
  double taunmax = 0;        // N/mm²

  // H, I. Materials with their strength results: 0 shaft, 1 hub.
  std::array<Material, 2> material;

  // J. Documentation fields saved with the connection.
  DrawingIdentification drawing;
  std::uint16_t furtherSelector = 1;

  DesignRecord();
  // Every field back to its initial value.
  void Reset();
};

// A fillet radius as the user gave it: 0 while it is the automatic one.
inline double GivenFilletRadius(double radius, double filled) {
  return radius == filled ? 0.0 : radius;
}

// Cuts a text to a field width (longer input is truncated, never refused).
std::string FitWidth(std::string text, std::size_t width);

}  // namespace zt6
