// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/finance_choices.h"

namespace quillix::tools {

int PeriodsPerYear(TPaymentFrequency frequency) {
    switch (frequency) {
        case TPaymentFrequency::Monthly:
            return 12;
        case TPaymentFrequency::Quarterly:
            return 4;
        case TPaymentFrequency::SemiAnnually:
            return 2;
        case TPaymentFrequency::Annually:
            return 1;
    }
    return 12;
}

const char* FrequencyCaption(TPaymentFrequency frequency) {
    switch (frequency) {
        case TPaymentFrequency::Monthly:
            return "Monthly";
        case TPaymentFrequency::Quarterly:
            return "Quarterly";
        case TPaymentFrequency::SemiAnnually:
            return "Semi-annually";
        case TPaymentFrequency::Annually:
            return "Annually";
    }
    return "Monthly";
}

int TypeFlag(TPaymentTime time) {
    return time == TPaymentTime::BeginningOfPeriod ? 1 : 0;
}

const char* PaymentTimeCaption(TPaymentTime time) {
    return time == TPaymentTime::BeginningOfPeriod ? "Beginning of period" : "End of period";
}

const char* DepreciationMethodCaption(TDepreciationMethod method) {
    switch (method) {
        case TDepreciationMethod::StraightLine:
            return "Straight-line";
        case TDepreciationMethod::SumOfYearsDigits:
            return "Sum-of-the-year's digits";
        case TDepreciationMethod::DecliningBalance:
            return "Declining balance";
    }
    return "Straight-line";
}

}  // namespace quillix::tools
