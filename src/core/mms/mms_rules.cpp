#include "core/mms/mms_rules.h"
#include "core/models/models.h"

#include <algorithm>

namespace corvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// 1 to 4 characters: begun but too short to be a number.
bool TooShort(std::string_view text) {
    return !text.empty() && text.size() < kMinRecipientLength;
}

bool Given(std::string_view text) {
    return text.size() >= kMinRecipientLength;
}

}  // namespace

bool SmsOnlySend(ModelFamily family, int sendPosition) {
    return sendPosition == SendEntryCount(family) - 1;
}

int SendEntryCount(ModelFamily family) {
    return family == ModelFamily::k8620 ? 3 : 4;
}

int MaxPhoneDigits(ModelFamily family, bool phoneIsInternational) {
    if (phoneIsInternational) {
        return 32;
    }
    return family == ModelFamily::k8620 ? 12 : 11;
}

bool PassesDigitCheck(std::string_view phone, bool phoneIsInternational) {
    if (phoneIsInternational && !phone.empty()) {
        if (phone.front() != '+' && !IsDigit(phone.front())) {
            return false;
        }
        phone.remove_prefix(1);
    }
    return std::all_of(phone.begin(), phone.end(), IsDigit);
}

bool PassesDialCheck(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '+'; });
}

bool SecondRecipientOpen(std::string_view phone, std::string_view email) {
    return Given(phone) || (Given(email) && Contains(email, '@'));
}

bool ThirdRecipientOpen(bool secondOpen, std::string_view phone2) {
    return secondOpen && Given(phone2);
}

std::optional<MmsFault> CheckMmsFile(ModelFamily family, const MmsFileValues& in) {
    using M = MmsMessage;
    using F = MmsField;
    struct Check {
        bool fails;
        MmsFault fault;
    };
    const bool phoneNotDigits = Given(in.phone) && !PassesDigitCheck(in.phone, in.phoneIsInternational);
    // Outside SMS-only sending a further recipient with "@" is an e-mail address, not examined further.
    const auto notDialable = [](std::string_view text, bool mayBeEmail) {
        return Given(text) && !(mayBeEmail && Contains(text, '@')) && !PassesDialCheck(text);
    };
    const bool manual = in.mmsMode == kMmsModeManual;
    const bool remoteControlWithoutPhone = in.remoteControlHours != kRemoteControlOff && !Given(in.phone);

    if (SmsOnlySend(family, in.sendMode)) {
        const Check checks[] = {
            {TooShort(in.phone), {M::kPhoneTooShort, F::kPhone}},
            {TooShort(in.phone2), {M::kPhone2TooShort, F::kPhone2}},
            {TooShort(in.phone3), {M::kPhone3TooShort, F::kPhone3}},
            {phoneNotDigits, {M::kPhoneNotDigits, F::kPhone}},
            {notDialable(in.phone2, false), {M::kSmsRecipientNotDialable, F::kPhone2}},
            {notDialable(in.phone3, false), {M::kSmsRecipientNotDialable, F::kPhone3}},
            {remoteControlWithoutPhone, {M::kRemoteControlNeedsPhone, F::kPhone}},
        };
        for (const Check& check : checks) {
            if (check.fails) {
                return check.fault;
            }
        }
        return std::nullopt;
    }
    const Check checks[] = {
        {in.phone.empty() && in.email.empty(), {M::kPhoneAndEmailEmpty, F::kPhone}},
        {TooShort(in.phone), {M::kPhoneTooShort, F::kPhone}},
        {TooShort(in.phone2), {M::kPhone2TooShort, F::kPhone2}},
        {TooShort(in.phone3), {M::kPhone3TooShort, F::kPhone3}},
        {phoneNotDigits, {M::kPhoneNotDigits, F::kPhone}},
        {notDialable(in.phone2, true), {M::kRecipientNotDialable, F::kPhone2}},
        {notDialable(in.phone3, true), {M::kRecipientNotDialable, F::kPhone3}},
        {!in.email.empty() && !Contains(in.email, '@'), {M::kEmailWithoutAt, F::kEmail}},
        {!in.email.empty() && !Contains(in.email, '.'), {M::kEmailWithoutDot, F::kEmail}},
        {manual && in.url.empty(), {M::kUrlEmpty, F::kUrl}},
        {manual && in.apn.empty(), {M::kApnEmpty, F::kApn}},
        {manual && in.gateway.empty(), {M::kGatewayEmpty, F::kGateway}},
        {manual && in.port.empty(), {M::kPortEmpty, F::kPort}},
        {manual && !Contains(in.gateway, '.'), {M::kGatewayWithoutDot, F::kGateway}},
        {remoteControlWithoutPhone, {M::kRemoteControlNeedsPhone, F::kPhone}},
    };
    for (const Check& check : checks) {
        if (check.fails) {
            return check.fault;
        }
    }
    return std::nullopt;
}

}  // namespace corvane
