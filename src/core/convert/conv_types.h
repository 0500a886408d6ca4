// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The objects of the unit registry: conversion families, conversion types (units)
// converting by a constant factor or by a pair of procedures, and the errors the
// registry raises. Numbers here are doubles. The registry itself is in
// conv_registry.h; these objects are owned by it.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillix {

using TConvFamily = std::uint16_t;
using TConvType = std::uint16_t;
using TConvFamilyArray = std::vector<TConvFamily>;
using TConvTypeArray = std::vector<TConvType>;

// One direction of a procedure unit: to the family's common unit, or from it.
using TConversionProc = std::function<double(double)>;

class EConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A unit registered with factor zero: a division by zero waiting to happen, so it
// is refused as one.
class EConversionZeroDivide : public EConversionError {
  public:
    using EConversionError::EConversionError;
};

class TConvFamilyInfo {
  public:
    TConvFamilyInfo(TConvFamily id, std::string name) : id_(id), name_(std::move(name)) {}

    TConvFamily Id() const { return id_; }
    const std::string& Name() const { return name_; }

  private:
    TConvFamily id_;
    std::string name_;
};

class TConvTypeInfo {
  public:
    TConvTypeInfo(TConvType id, TConvFamily family, std::string name)
        : id_(id), family_(family), name_(std::move(name)) {}
    virtual ~TConvTypeInfo() = default;
    TConvTypeInfo(const TConvTypeInfo&) = delete;
    TConvTypeInfo& operator=(const TConvTypeInfo&) = delete;

    TConvType Id() const { return id_; }
    TConvFamily Family() const { return family_; }
    const std::string& Name() const { return name_; }

    // x in this unit -> the same quantity in the family's common unit.
    virtual double ToBase(double x) const = 0;
    // x in the family's common unit -> the same quantity in this unit.
    virtual double FromBase(double x) const = 0;

  private:
    TConvType id_;
    TConvFamily family_;
    std::string name_;
};

class TConvTypeFactor : public TConvTypeInfo {
  public:
    // factor: the number of common units in one of this unit; never zero.
    TConvTypeFactor(TConvType id, TConvFamily family, std::string name, double factor)
        : TConvTypeInfo(id, family, std::move(name)), factor_(factor) {}

    double Factor() const { return factor_; }
    double ToBase(double x) const override;
    double FromBase(double x) const override;

  private:
    double factor_;
};

class TConvTypeProcs : public TConvTypeInfo {
  public:
    TConvTypeProcs(TConvType id, TConvFamily family, std::string name, TConversionProc toBase,
                   TConversionProc fromBase)
        : TConvTypeInfo(id, family, std::move(name)),
          toBase_(std::move(toBase)),
          fromBase_(std::move(fromBase)) {}

    double ToBase(double x) const override { return toBase_(x); }
    double FromBase(double x) const override { return fromBase_(x); }

  private:
    TConversionProc toBase_;
    TConversionProc fromBase_;
};

}  // namespace quillix
