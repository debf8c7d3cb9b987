#include "calc/record_fields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

#include "base/number_parse.h"

namespace zt6 {

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// Where a field lives in the record.
template <auto M>
struct Top {
  static auto& Ref(DesignRecord& d) { return d.*M; }
  static const auto& Ref(const DesignRecord& d) { return d.*M; }
};
template <auto M, std::size_t I>
struct Element {
  static auto& Ref(DesignRecord& d) { return (d.*M)[I]; }
  static const auto& Ref(const DesignRecord& d) { return (d.*M)[I]; }
};
template <std::size_t Part, auto M>
struct Mat {
  static auto& Ref(DesignRecord& d) { return d.material[Part].*M; }
  static const auto& Ref(const DesignRecord& d) { return d.material[Part].*M; }
};
template <std::size_t Part, std::size_t I>
struct MatReal {
  static auto& Ref(DesignRecord& d) { return d.material[Part].fields8to11[I]; }
  static const auto& Ref(const DesignRecord& d) { return d.material[Part].fields8to11[I]; }
};

template <typename A>
using TypeAt = std::remove_cvref_t<decltype(A::Ref(std::declval<DesignRecord&>()))>;

template <typename A>
FieldValue Get(const DesignRecord& d) {
  const auto& v = A::Ref(d);
  using T = TypeAt<A>;
  if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
    return v;
  } else {
    return static_cast<std::int32_t>(v);
  }
}

template <typename A>
void Set(DesignRecord& d, const FieldValue& value) {
  using T = TypeAt<A>;
  if constexpr (std::is_same_v<T, double>) {
    A::Ref(d) = std::get<double>(value);
  } else if constexpr (std::is_same_v<T, std::string>) {
    A::Ref(d) = std::get<std::string>(value);
  } else {
    A::Ref(d) = static_cast<T>(std::get<std::int32_t>(value));
  }
}

template <typename A>
constexpr RecordField Make(std::string_view name, FieldRole role, std::int32_t minimum = 0,
                           std::int32_t maximum = 0, std::size_t width = 0) {
  using T = TypeAt<A>;
  FieldKind kind = FieldKind::Real;
  if constexpr (std::is_same_v<T, std::string>) {
    kind = FieldKind::Text;
  } else if constexpr (std::is_enum_v<T>) {
    kind = FieldKind::Selector;
  } else if constexpr (std::is_integral_v<T>) {
    kind = FieldKind::Whole;
    if (minimum == 0 && maximum == 0) {
      minimum = static_cast<std::int32_t>(std::max<std::int64_t>(std::numeric_limits<T>::min(), kIntMin));
      maximum = static_cast<std::int32_t>(std::min<std::int64_t>(std::numeric_limits<T>::max(), kIntMax));
    }
  }
  return RecordField{name, role, kind, minimum, maximum, width, &Get<A>,
                     role == FieldRole::Input ? &Set<A> : nullptr};
}

constexpr FieldRole kIn = FieldRole::Input;
constexpr FieldRole kOut = FieldRole::Result;

template <auto M>
constexpr RecordField In(std::string_view name, std::int32_t minimum = 0, std::int32_t maximum = 0) {
  return Make<Top<M>>(name, kIn, minimum, maximum);
}
template <auto M>
constexpr RecordField Out(std::string_view name) {
  return Make<Top<M>>(name, kOut);
}
template <std::size_t Part, auto M>
constexpr RecordField MatIn(std::string_view name, std::size_t width = 0) {
  return Make<Mat<Part, M>>(name, kIn, 0, 0, width);
}

using R = DesignRecord;
using M = Material;
constexpr std::size_t kShaft = 0;
constexpr std::size_t kHub = 1;

constexpr std::array kFields = {
    // A. Identification and selectors
    In<&R::designation>("designation"),
    In<&R::z>("z"),
    In<&R::tableRow>("table_row"),
    In<&R::dimensionSource>("dimension_source", 1, 2),
    In<&R::toleranceClass>("tolerance_class", 1, 2),
    // B. Geometry inputs
    In<&R::Dii>("Dii"),
    In<&R::Dee>("Dee"),
    In<&R::D>("D"),
    In<&R::gammaE>("gamma_e"),
    In<&R::l>("l"),
    In<&R::riMax>("ri_max"),
    In<&R::reMax>("re_max"),
    // C. Tolerance inputs
    In<&R::TGi>("TGi"),
    In<&R::TGe>("TGe"),
    In<&R::DRi>("DRi"),
    In<&R::DRe>("DRe"),
    // F. Load inputs
    In<&R::TN>("TN"),
    In<&R::Tmax>("Tmax"),
    In<&R::KA>("KA"),
    In<&R::Klambda>("K_lambda"),
    In<&R::fW>("fW"),
    Make<Element<&R::fL, kShaft>>("fL_shaft", kIn),
    Make<Element<&R::fL, kHub>>("fL_hub", kIn),
    In<&R::power>("power"),
    In<&R::n>("n"),
    In<&R::computedQuantity>("computed_quantity", 1, 3),
    // H. Materials
    MatIn<kShaft, &M::number>("shaft.number", width::materialNumber),
    MatIn<kShaft, &M::name>("shaft.name", width::materialName),
    MatIn<kShaft, &M::text3>("shaft.field3", width::materialText3),
    MatIn<kShaft, &M::type>("shaft.type"),
    MatIn<kShaft, &M::field5>("shaft.field5"),
    MatIn<kShaft, &M::Re>("shaft.Re"),
    MatIn<kShaft, &M::field7>("shaft.field7"),
    Make<MatReal<kShaft, 0>>("shaft.field8", kIn),
    Make<MatReal<kShaft, 1>>("shaft.field9", kIn),
    Make<MatReal<kShaft, 2>>("shaft.field10", kIn),
    Make<MatReal<kShaft, 3>>("shaft.field11", kIn),
    MatIn<kShaft, &M::text12>("shaft.field12", width::materialLongText),
    MatIn<kShaft, &M::text13>("shaft.field13", width::materialLongText),
    MatIn<kShaft, &M::fH>("shaft.fH"),
    MatIn<kShaft, &M::fS>("shaft.fS"),
    MatIn<kShaft, &M::tableRow>("shaft.table_row"),
    MatIn<kHub, &M::number>("hub.number", width::materialNumber),
    MatIn<kHub, &M::name>("hub.name", width::materialName),
    MatIn<kHub, &M::text3>("hub.field3", width::materialText3),
    MatIn<kHub, &M::type>("hub.type"),
    MatIn<kHub, &M::field5>("hub.field5"),
    MatIn<kHub, &M::Re>("hub.Re"),
    MatIn<kHub, &M::field7>("hub.field7"),
    Make<MatReal<kHub, 0>>("hub.field8", kIn),
    Make<MatReal<kHub, 1>>("hub.field9", kIn),
    Make<MatReal<kHub, 2>>("hub.field10", kIn),
    Make<MatReal<kHub, 3>>("hub.field11", kIn),
    MatIn<kHub, &M::text12>("hub.field12", width::materialLongText),
    MatIn<kHub, &M::text13>("hub.field13", width::materialLongText),
    MatIn<kHub, &M::fH>("hub.fH"),
    MatIn<kHub, &M::fS>("hub.fS"),
    MatIn<kHub, &M::tableRow>("hub.table_row"),
    // D. Derived geometry
    Out<&R::Deemin>("Deemin"),
    Out<&R::Deemax>("Deemax"),
    Out<&R::DeeMean>("Dee_mean"),
    Out<&R::Diimin>("Diimin"),
    Out<&R::Diimax>("Diimax"),
    Out<&R::DiiMean>("Dii_mean"),
    Out<&R::P>("P"),
    Out<&R::DByZ>("D/z"),
    Out<&R::gammaI>("gamma_i"),
    Out<&R::gammaERad>("gamma_e_rad"),
    Out<&R::gammaIRad>("gamma_i_rad"),
    Out<&R::Sv>("Sv"),
    Out<&R::Smax>("Smax"),
    Out<&R::Smin>("Smin"),
    Out<&R::SMean>("S_mean"),
    Out<&R::Ev>("Ev"),
    Out<&R::Emax>("Emax"),
    Out<&R::Emin>("Emin"),
    Out<&R::EMean>("E_mean"),
    Out<&R::MReV>("MReV"),
    Out<&R::MRemax>("MRemax"),
    Out<&R::MRemin>("MRemin"),
    Out<&R::MRiV>("MRiV"),
    Out<&R::MRimax>("MRimax"),
    Out<&R::MRimin>("MRimin"),
    Out<&R::reMin>("re_min"),
    Out<&R::reMean>("re_mean"),
    Out<&R::riMin>("ri_min"),
    Out<&R::riMean>("ri_mean"),
    Out<&R::Diemin>("Diemin"),
    Out<&R::Diemax>("Diemax"),
    Out<&R::DieMean>("Die_mean"),
    Out<&R::Deimin>("Deimin"),
    Out<&R::Deimax>("Deimax"),
    Out<&R::DeiMean>("Dei_mean"),
    Out<&R::DFemin>("DFemin"),
    Out<&R::DFemax>("DFemax"),
    Out<&R::DFeMean>("DFe_mean"),
    Out<&R::DFimin>("DFimin"),
    Out<&R::DFimax>("DFimax"),
    Out<&R::DFiMean>("DFi_mean"),
    Out<&R::DVe>("DVe"),
    Out<&R::DVi>("DVi"),
    // E. Deviation guide values
    Make<Element<&R::Falpha, kShaft>>("F_alpha_shaft", kOut),
    Make<Element<&R::Falpha, kHub>>("F_alpha_hub", kOut),
    Make<Element<&R::Fp, kShaft>>("F_p_shaft", kOut),
    Make<Element<&R::Fp, kHub>>("F_p_hub", kOut),
    Make<Element<&R::Fbeta, kShaft>>("F_beta_shaft", kOut),
    Make<Element<&R::Fbeta, kHub>>("F_beta_hub", kOut),
    Out<&R::Fr>("Fr"),
    // G. Load results
    Out<&R::Teq>("Teq"),
    Out<&R::KphiEq>("K_phi_eq"),
    Out<&R::KphiMax>("K_phi_max"),
    Out<&R::hw>("hw"),
    Out<&R::rm>("rm"),
    Out<&R::alphaW>("alpha_w"),
    Out<&R::rw>("rw"),
    Out<&R::peq>("peq"),
    Out<&R::pmax>("pmax"),
    Out<&R::taunmax>("taunmax"),
    // H, I. Permissible pressures and safeties per part
    Make<Mat<kShaft, &M::pzul>>("shaft.pzul", kOut),
    Make<Mat<kHub, &M::pzul>>("hub.pzul", kOut),
    Make<Mat<kShaft, &M::Seq>>("shaft.Seq", kOut),
    Make<Mat<kShaft, &M::Smax>>("shaft.Smax", kOut),
    Make<Mat<kHub, &M::Seq>>("hub.Seq", kOut),
    Make<Mat<kHub, &M::Smax>>("hub.Smax", kOut),
};

}  // namespace

std::span<const RecordField> RecordFields() { return kFields; }

const RecordField* FindRecordField(std::string_view name) {
  const auto it = std::find_if(kFields.begin(), kFields.end(),
                               [name](const RecordField& f) { return f.name == name; });
  return it == kFields.end() ? nullptr : &*it;
}

std::optional<FieldValue> CheckFieldValue(const RecordField& field, FieldValue value) {
  switch (field.kind) {
    case FieldKind::Real:
      if (const auto* whole = std::get_if<std::int32_t>(&value)) return static_cast<double>(*whole);
      if (const auto* real = std::get_if<double>(&value); real && std::isfinite(*real)) return value;
      return std::nullopt;
    case FieldKind::Whole:
    case FieldKind::Selector: {
      std::int32_t whole = 0;
      if (const auto* w = std::get_if<std::int32_t>(&value)) {
        whole = *w;
      } else if (const auto* real = std::get_if<double>(&value);
                 real && std::trunc(*real) == *real && *real >= kIntMin && *real <= kIntMax) {
        whole = static_cast<std::int32_t>(*real);
      } else {
        return std::nullopt;
      }
      if (whole < field.minimum || whole > field.maximum) return std::nullopt;
      return whole;
    }
    case FieldKind::Text:
      if (auto* text = std::get_if<std::string>(&value)) {
        return field.width == 0 ? std::move(*text) : FitWidth(std::move(*text), field.width);
      }
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<FieldValue> ParseFieldValue(const RecordField& field, std::string_view text) {
  switch (field.kind) {
    case FieldKind::Real:
      if (const auto real = TryParseReal(text)) return CheckFieldValue(field, *real);
      return std::nullopt;
    case FieldKind::Whole:
    case FieldKind::Selector:
      if (const auto whole = TryParseWhole(text)) return CheckFieldValue(field, *whole);
      return std::nullopt;
    case FieldKind::Text:
      return CheckFieldValue(field, std::string(text));
  }
  return std::nullopt;
}

bool SetField(const RecordField& field, DesignRecord& design, FieldValue value) {
  if (field.set == nullptr) return false;
  auto checked = CheckFieldValue(field, std::move(value));
  if (!checked) return false;
  field.set(design, *checked);
  return true;
}

}  // namespace zt6
