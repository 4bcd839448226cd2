<?php
// Site names are host names: lower-case letters, digits and inner hyphens.
require_once __DIR__ . '/db.php';

function clean_site_name(string $requested): string {
  $name = str_replace(' ', '-', strtolower($requested));
  $name = preg_replace('/[^a-z0-9-]+/', '', $name);
  $name = trim(preg_replace('/-+/', '-', $name), '-');
  $name = substr($name, 0, 50);
  return $name === '' ? 'site' : $name;
}

// The requested name when it is free (or already `$owner`'s), else the
// first free one with a number after it.
function free_site_name(string $requested, string $owner = ''): string {
  $base = clean_site_name($requested);
  for ($n = 1; ; ++$n) {
    $name = $n === 1 ? $base : $base . $n;
    $account = find_account($name);
    if (!$account || ($owner !== '' && strcasecmp($account['unixname'], $owner) === 0)) return $name;
  }
}

function make_site_folder(string $name): void {
  $folder = site_folder($name);
  if (!is_dir($folder)) mkdir($folder, 0755, true);
}

// A page's file name as the front page accepts it: one plain file name.
function is_bare_file_name(string $name): bool {
  return $name !== '' && $name[0] !== '.' && preg_match('/^[A-Za-z0-9._-]+$/', $name) === 1
      && strpos($name, '..') === false;
}
