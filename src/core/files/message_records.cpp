#include "core/files/message_records.h"

#include <algorithm>

#include "core/l10n/language.h"

namespace corvane {

std::optional<Record> MessageTextRecord(std::string_view text) {
    if (text.size() > kMaxRecordTextBytes) {
        return std::nullopt;
    }
    Record record = NewRecord();
    std::copy(text.begin(), text.end(), record.begin() + record_offset::kPayload);
    record[record_offset::kTextLength] = static_cast<uint8_t>(text.size());
    return record;
}

std::string DescribeRefusedValue(const RefusedValue& refused, int32_t language) {
    const std::string value = std::to_string(refused.value);
    const std::string min = std::to_string(refused.min);
    const std::string max = std::to_string(refused.max);
    const bool chinese = MessagesInChinese(language);
    if (refused.kind == RefusedValue::Kind::kTextTooLong) {
        if (chinese) {
            return "无法生成文件 " + refused.target + "：" + refused.field + " 的长度为 " + value +
                   " 字节，记录最多只能容纳 " + max + " 字节。";
        }
        return "The file " + refused.target + " was not generated: " + refused.field + " is " + value +
               " bytes long, but its record holds at most " + max + " bytes.";
    }
    if (chinese) {
        return "无法生成文件 " + refused.target + "：" + refused.field + " 的值 " + value + " 不在 " + min +
               " 和 " + max + " 之间。";
    }
    return "The file " + refused.target + " was not generated: " + refused.field + " is " + value +
           ", but it must be between " + min + " and " + max + ".";
}

std::string DescribeMessageFileFailure(const MessageFileResult& result, int32_t language) {
    if (result.refused) {
        return DescribeRefusedValue(*result.refused, language);
    }
    if (result.writeFailure) {
        return DescribeWriteFailure(*result.writeFailure, language);
    }
    return "";
}

MessageFileResult WriteMessageRecords(FileSystem& fs, const std::string& outputFolder,
                                      const std::string& finalName, const MessageRecords& records,
                                      uint16_t k) {
    if (records.refused) {
        return {false, records.refused, std::nullopt};
    }
    const WriteResult written = WriteMessageFile(fs, outputFolder, finalName, records.plain, k);
    return {written.ok, std::nullopt, written.failure};
}

}  // namespace corvane
