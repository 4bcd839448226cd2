#pragma once

// One field list per stored structure. Each structure's header defines
//   template <class Visitor> void ForEachField(FieldsOf<T>, Visitor&& visit)
// which calls visit(name, member pointer) for every field in the order of
// the binary format. Writing, reading and describing a structure walk this
// list, so a new field cannot be forgotten by one of them. Containers of
// items (a document's or a cell's Data, a table's Rows) are not in the
// lists: they nest, and each user walks them on its own.

namespace moxa::rt {

template <class T>
struct FieldsOf {};

// A visitor that does nothing, for asking whether a type has a list.
struct IgnoreField {
  template <class Member>
  void operator()(const char*, Member) const {}
};

template <class T>
concept HasFieldList = requires { ForEachField(FieldsOf<T>{}, IgnoreField{}); };

}  // namespace moxa::rt
