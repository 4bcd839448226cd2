#include "online/RecordValues.h"

#include "online/Protocol.h"

namespace moxa {

namespace {

bool EndsWithSeparatorCharacter(const QString& value) {
  return value.endsWith(kFieldEnd.front()) || value.endsWith(kPageFieldEnd.front());
}

bool BreaksRecord(const QString& value) {
  return value.contains(kFieldEnd) || value.contains(kPageFieldEnd) || EndsWithSeparatorCharacter(value);
}

}  // namespace

QString RecordValuesProblem(std::initializer_list<NamedValue> values) {
  for (const auto& [name, value] : values) {
    if (BreaksRecord(value)) {
      return QStringLiteral("%1 cannot contain \"|||||\" or \"/////\" or end with \"|\" or \"/\": "
                            "the hosting service uses them to separate what it stores.")
          .arg(name);
    }
  }
  return QString();
}

QString AccountValuesProblem(const TAccount& a) {
  return RecordValuesProblem({{QStringLiteral("The first name"), a.FirstName},
                              {QStringLiteral("The last name"), a.LastName},
                              {QStringLiteral("The e-mail address"), a.Email},
                              {QStringLiteral("The password"), a.Password}});
}

QString WithoutRecordSeparators(const QString& value) {
  QString cleaned = value;
  // Removing one run may join the characters around it into a new one.
  while (cleaned.contains(kFieldEnd) || cleaned.contains(kPageFieldEnd)) {
    cleaned.remove(kFieldEnd.toString());
    cleaned.remove(kPageFieldEnd.toString());
  }
  while (EndsWithSeparatorCharacter(cleaned)) cleaned.chop(1);
  return cleaned;
}

}  // namespace moxa
