<?php
// The service's state: accounts (one per site name) and the page list each
// site last published.
require_once __DIR__ . '/config.php';

function db(): PDO {
  static $pdo = null;
  if ($pdo) return $pdo;
  $pdo = new PDO('sqlite:' . state_dir() . '/service.sqlite');
  $pdo->setAttribute(PDO::ATTR_ERRMODE, PDO::ERRMODE_EXCEPTION);
  $pdo->setAttribute(PDO::ATTR_DEFAULT_FETCH_MODE, PDO::FETCH_ASSOC);
  $pdo->exec('PRAGMA busy_timeout = 5000');
  $pdo->exec('CREATE TABLE IF NOT EXISTS accounts (
      unixname TEXT PRIMARY KEY COLLATE NOCASE,
      email TEXT NOT NULL DEFAULT "", password TEXT NOT NULL DEFAULT "",
      firstname TEXT NOT NULL DEFAULT "", lastname TEXT NOT NULL DEFAULT "",
      domain TEXT NOT NULL DEFAULT "", ftphost TEXT NOT NULL DEFAULT "",
      ftpusername TEXT NOT NULL DEFAULT "", ftppassword TEXT NOT NULL DEFAULT "",
      ftpport TEXT NOT NULL DEFAULT "21", ftppath TEXT NOT NULL DEFAULT "",
      hostingpackage TEXT NOT NULL DEFAULT "free",
      enabled INTEGER NOT NULL DEFAULT 1,
      pages TEXT NOT NULL DEFAULT "")');
  return $pdo;
}

function find_account(string $unixname): ?array {
  $query = db()->prepare('SELECT * FROM accounts WHERE unixname = ?');
  $query->execute([$unixname]);
  $row = $query->fetch();
  return $row ?: null;
}

function find_account_by_email(string $email): ?array {
  if (trim($email) === '') return null;
  $query = db()->prepare('SELECT * FROM accounts WHERE lower(email) = lower(?) ORDER BY rowid LIMIT 1');
  $query->execute([trim($email)]);
  $row = $query->fetch();
  return $row ?: null;
}

function find_account_by_domain(string $domain): ?array {
  if ($domain === '') return null;
  $query = db()->prepare('SELECT * FROM accounts WHERE lower(domain) = lower(?)');
  $query->execute([$domain]);
  $row = $query->fetch();
  return $row ?: null;
}

function update_account(string $unixname, array $fields): void {
  $sets = implode(', ', array_map(fn($k) => "$k = ?", array_keys($fields)));
  $query = db()->prepare("UPDATE accounts SET $sets WHERE unixname = ?");
  $query->execute([...array_values($fields), $unixname]);
}
