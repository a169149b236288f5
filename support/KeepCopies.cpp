// Keeping the N newest backups of a slot, and never touching a file that is not one of them.
#include "support/KeepCopies.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace corvane {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number as the backup name writes it: one or two digits, no leading zero (a lone "0" is the year 2000).
std::optional<int> Number(std::string_view digits) {
  if (digits.empty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0')) {
    return std::nullopt;
  }
  return digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + (digits[1] - '0');
}

int DaysIn(int month, int year) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Every month, day and year that written one after another give `digits`.
std::vector<Date> DatesOf(std::string_view digits) {
  std::vector<Date> dates;
  for (std::size_t monthEnd = 1; monthEnd <= 2 && monthEnd < digits.size(); ++monthEnd) {
    for (std::size_t dayEnd = monthEnd + 1; dayEnd <= monthEnd + 2 && dayEnd < digits.size(); ++dayEnd) {
      const auto month = Number(digits.substr(0, monthEnd));
      const auto day = Number(digits.substr(monthEnd, dayEnd - monthEnd));
      const auto year = Number(digits.substr(dayEnd));
      if (month && day && year && *month >= 1 && *month <= 12 && *day >= 1 && *day <= DaysIn(*month, 2000 + *year)) {
        dates.push_back({.year = 2000 + *year, .month = *month, .day = *day});
      }
    }
  }
  return dates;
}

// Days since a fixed day, so that dates compare and add as numbers.
long DayNumber(const Date& date) {
  long days = 0;
  for (int year = 2000; year < date.year; ++year) {
    days += DaysIn(2, year) == 29 ? 366 : 365;
  }
  for (int month = 1; month < date.month; ++month) {
    days += DaysIn(month, date.year);
  }
  return days + date.day;
}

// Orders copies by when they were made: the day first, then, within a day, the time of making.
using Age = std::tuple<int, int, int, int, int, int>;

Age AgeOf(const BackupCopy& copy, const std::vector<Date>& dates) {
  const Date& day = dates.size() == 1 ? dates[0] : copy.created;
  const Date& made = copy.created;
  return {day.year, day.month, day.day, made.hour, made.minute, made.second};
}

}  // namespace

std::vector<Date> BackupDates(std::string_view fileName, std::string_view appName, const SameName& sameName) {
  if (fileName.size() < 3 || !sameName(fileName.substr(0, 3), "Arc")) {
    return {};
  }
  // The file name may itself start with digits ("Arc12726" + "2024.mde"), so each cut of the digits is tried.
  std::vector<Date> dates;
  for (std::size_t at = 3; at < fileName.size() && IsDigit(fileName[at]); ++at) {
    if (sameName(fileName.substr(at + 1), appName)) {
      for (const Date& date : DatesOf(fileName.substr(3, at + 1 - 3))) {
        dates.push_back(date);
      }
    }
  }
  return dates;
}

namespace {

// A name that could be a backup of another slot sharing the folder belongs to neither.
bool AnotherSlots(std::string_view name, std::string_view appName, std::span<const std::string> neighbours,
                  const SameName& sameName) {
  return std::ranges::any_of(neighbours, [&](const std::string& neighbour) {
    return !sameName(neighbour, appName) && !BackupDates(name, neighbour, sameName).empty();
  });
}

// Every day the name can be read as is after tomorrow: a copy made on a PC whose clock was ahead.
bool DatedInTheFuture(const std::vector<Date>& dates, const Date& today) {
  return std::ranges::all_of(dates, [&](const Date& date) { return DayNumber(date) > DayNumber(today) + 1; });
}

}  // namespace

long DaysBetween(const Date& from, const Date& to) {
  return DayNumber(to) - DayNumber(from);
}

std::optional<Date> NewestBackupDay(std::span<const BackupCopy> folder, std::string_view appName,
                                    std::span<const std::string> neighbours, const Date& today,
                                    const SameName& sameName) {
  std::optional<Age> newest;
  for (const BackupCopy& copy : folder) {
    const std::vector<Date> dates = BackupDates(copy.name, appName, sameName);
    if (!dates.empty() && !AnotherSlots(copy.name, appName, neighbours, sameName) && !DatedInTheFuture(dates, today)) {
      newest = std::max(newest.value_or(Age{}), AgeOf(copy, dates));
    }
  }
  if (!newest) {
    return std::nullopt;
  }
  return Date{.year = std::get<0>(*newest), .month = std::get<1>(*newest), .day = std::get<2>(*newest)};
}

std::vector<DatedCopy> OwnBackupsNewestFirst(std::span<const BackupCopy> folder, std::string_view appName,
                                             std::span<const std::string> neighbours, const SameName& sameName) {
  std::vector<std::pair<Age, const BackupCopy*>> own;
  for (const BackupCopy& copy : folder) {
    const std::vector<Date> dates = BackupDates(copy.name, appName, sameName);
    if (!dates.empty() && !AnotherSlots(copy.name, appName, neighbours, sameName)) {
      own.emplace_back(AgeOf(copy, dates), &copy);
    }
  }
  std::ranges::stable_sort(own, [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<DatedCopy> dated;
  for (const auto& [age, copy] : own) {
    dated.push_back({copy, Date{.year = std::get<0>(age), .month = std::get<1>(age), .day = std::get<2>(age)}});
  }
  return dated;
}

KeepPlan CopiesToDelete(std::span<const BackupCopy> folder, const KeepRule& rule, const SameName& sameName) {
  KeepPlan plan;
  const auto anotherSlots = [&](const std::string& name) {
    return AnotherSlots(name, rule.appName, rule.neighbours, sameName);
  };
  std::vector<std::pair<Age, const BackupCopy*>> others;
  for (const BackupCopy& copy : folder) {
    const std::vector<Date> dates = BackupDates(copy.name, rule.appName, sameName);
    if (dates.empty() || sameName(copy.name, rule.justWritten) || anotherSlots(copy.name)) {
      continue;
    }
    if (copy.readOnly) {
      plan.setAside.emplace_back(copy.name, "read-only");
    } else if (DatedInTheFuture(dates, rule.today)) {
      plan.setAside.emplace_back(copy.name, "dated in the future");
    } else {
      others.emplace_back(AgeOf(copy, dates), &copy);
    }
  }
  // Newest first.
  std::ranges::stable_sort(others, [](const auto& a, const auto& b) { return a.first > b.first; });
  if (!others.empty()) {
    plan.newestOlder = others.front().second->name;
  }
  if (rule.keep > 0) {
    for (std::size_t i = static_cast<std::size_t>(rule.keep - 1); i < others.size(); ++i) {
      plan.doomed.push_back(others[i].second->name);
    }
  }
  return plan;
}

}  // namespace corvane
