// The language's operators, with its result subtypes, overflow promotion
// (Integer -> Long -> Double), Null propagation and string/number coercion
// rules. Operands are values (ByRef links followed); objects are read through
// their default member. Errors: 13, 6, 11, 94 as the language raises them.
#pragma once

#include "runtime/Variant.h"

namespace vbs {

enum class CompareMode : uint8_t { Binary = 0, Text = 1 };
enum class CompareOp : uint8_t { Eq, Ne, Lt, Le, Gt, Ge };

Result<Variant> opAdd(const Variant& a, const Variant& b); // + (two strings concatenate)
Result<Variant> opSub(const Variant& a, const Variant& b);
Result<Variant> opMul(const Variant& a, const Variant& b);
Result<Variant> opDiv(const Variant& a, const Variant& b); // / : Double (Single for Singles)
Result<Variant> opIntDiv(const Variant& a, const Variant& b); // \ : rounds operands half to even
Result<Variant> opMod(const Variant& a, const Variant& b);
Result<Variant> opPow(const Variant& a, const Variant& b); // ^ : Double
Result<Variant> opNeg(const Variant& a);
Result<Variant> opConcat(const Variant& a, const Variant& b); // & : Null & Null is Null
Result<Variant> opNot(const Variant& a);
Result<Variant> opAnd(const Variant& a, const Variant& b);
Result<Variant> opOr(const Variant& a, const Variant& b);
Result<Variant> opXor(const Variant& a, const Variant& b);
Result<Variant> opEqv(const Variant& a, const Variant& b);
Result<Variant> opImp(const Variant& a, const Variant& b);

// Which operands of a comparison are literals written in the code: a number,
// date, Boolean or string token (not negated, not a Const, not a result).
enum class Literals : uint8_t { None = 0, Left = 1, Right = 2, Both = 3 };

// = <> < <= > >= : Boolean, or Null when either side is Null; 13 when either
// side is an array. Numbers compare numerically (a Single with a Double at
// single precision), strings by mode, Empty as 0 or "". A String meets a
// number by where they come from: against a numeric or date literal the String
// is read as a number or date (13 when it is not one); otherwise against a
// String literal the number is read as its CStr text; otherwise the String is
// greater. Against a Boolean, with either side a literal, the String compares
// with "True" / "False" (binary); otherwise the String is greater.
Result<Variant> opCompare(const Variant& a, const Variant& b, CompareOp op,
                          CompareMode mode = CompareMode::Binary, Literals literals = Literals::None);
// Is: both objects (or Nothing); 424 Object required otherwise.
Result<bool> opIs(const Variant& a, const Variant& b);

// Truth of a condition (If, While, Until, Not in conditions): CBool of the
// value (numbers, "True"/"False" strings); Null counts as False; else 13.
Result<bool> toCondition(const Variant& v);

} // namespace vbs
