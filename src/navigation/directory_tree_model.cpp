#include "navigation/directory_tree_model.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "platform/ascii_text.h"
#include "platform/dir_listing.h"
#include "platform/file_system.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// Alphabetical with letter case ignored; names equal but for case in byte order.
bool NameBefore(const std::string& a, const std::string& b) {
  return LessIgnoreAsciiCase(a, b) || (!LessIgnoreAsciiCase(b, a) && a < b);
}

std::string ChildPath(const std::string& parent, const std::string& name) {
  return parent == "/" ? "/" + name : parent + "/" + name;
}

}  // namespace

DirectoryTreeModel::DirectoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent), folder_(QApplication::style()->standardIcon(QStyle::SP_DirIcon)) {
  root_.listed = true;
  auto top = std::make_unique<Node>();
  top->name = top->path = "/";
  top->parent = &root_;
  root_.children.push_back(std::move(top));
}

DirectoryTreeModel::~DirectoryTreeModel() = default;

DirectoryTreeModel::Node* DirectoryTreeModel::NodeOf(const QModelIndex& index) const {
  return index.isValid() ? static_cast<Node*>(index.internalPointer()) : const_cast<Node*>(&root_);
}

QModelIndex DirectoryTreeModel::IndexOfNode(const Node* node) const {
  if (node == &root_) return {};
  return createIndex(node->row, 0, const_cast<Node*>(node));
}

QModelIndex DirectoryTreeModel::index(int row, int column, const QModelIndex& parent) const {
  const Node* node = NodeOf(parent);
  if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= node->children.size()) return {};
  return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex DirectoryTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  return IndexOfNode(NodeOf(child)->parent);
}

int DirectoryTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  return static_cast<int>(NodeOf(parent)->children.size());
}

int DirectoryTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant DirectoryTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return PathToQt(NodeOf(index)->name);
  if (role == Qt::DecorationRole) return folder_;
  return {};
}

bool DirectoryTreeModel::hasChildren(const QModelIndex& parent) const {
  const Node* node = NodeOf(parent);
  // An unlisted directory may have sub-directories; listing it tells.
  return !node->listed || !node->children.empty();
}

bool DirectoryTreeModel::canFetchMore(const QModelIndex& parent) const {
  return !NodeOf(parent)->listed;
}

void DirectoryTreeModel::fetchMore(const QModelIndex& parent) { List(NodeOf(parent)); }

void DirectoryTreeModel::List(Node* node) {
  if (node->listed) return;
  node->listed = true;
  std::vector<std::string> names = SubdirectoryNames(node->path);
  std::sort(names.begin(), names.end(), NameBefore);
  const QModelIndex at = IndexOfNode(node);
  if (names.empty()) {
    // The arrow goes: the directory has no sub-directories after all.
    emit dataChanged(at, at);
    return;
  }
  beginInsertRows(at, 0, static_cast<int>(names.size()) - 1);
  node->children.reserve(names.size());
  for (std::string& name : names) {
    auto child = std::make_unique<Node>();
    child->path = ChildPath(node->path, name);
    child->name = std::move(name);
    child->parent = node;
    child->row = static_cast<int>(node->children.size());
    node->children.push_back(std::move(child));
  }
  endInsertRows();
}

DirectoryTreeModel::Node* DirectoryTreeModel::AddChild(Node* node, std::string name) {
  const int row = static_cast<int>(node->children.size());
  beginInsertRows(IndexOfNode(node), row, row);
  auto child = std::make_unique<Node>();
  child->path = ChildPath(node->path, name);
  child->name = std::move(name);
  child->parent = node;
  child->row = row;
  node->children.push_back(std::move(child));
  endInsertRows();
  return node->children.back().get();
}

QModelIndex DirectoryTreeModel::IndexOf(const std::string& path) {
  if (path.empty() || path[0] != '/' || !DirectoryExists(path)) return {};
  Node* node = root_.children.front().get();
  std::size_t start = 1;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (node->parent != &root_) node = node->parent;
      continue;
    }
    List(node);
    const auto found = std::find_if(node->children.begin(), node->children.end(),
                                    [&](const auto& c) { return c->name == name; });
    node = found != node->children.end() ? found->get() : AddChild(node, name);
  }
  return IndexOfNode(node);
}

std::string DirectoryTreeModel::PathOf(const QModelIndex& index) const {
  return index.isValid() ? NodeOf(index)->path : std::string();
}

}  // namespace krellix
