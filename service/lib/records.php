<?php
// The records the program exchanges with the service.
const FIELD_END = '|||||';
const PAGE_FIELD_END = '/////';

function account_record(array $a): string {
  $fields = [$a['password'], $a['firstname'], $a['lastname'], $a['email'], $a['unixname'],
             $a['domain'], $a['ftphost'], $a['ftpusername'], $a['ftppassword'], $a['ftpport'],
             $a['ftppath'], $a['hostingpackage']];
  return implode('', array_map(fn($f) => $f . FIELD_END, $fields));
}

function ftp_record(string $host, string $user, string $password, string $port, string $path): string {
  return implode('', array_map(fn($f) => $f . FIELD_END, [$host, $user, $password, $port, $path]));
}

// The page records of a page list, each as its fifteen fields.
function read_page_list(string $list): array {
  $pages = [];
  while (strpos($list, PAGE_FIELD_END) !== false) {
    $fields = [];
    for ($i = 0; $i < 14; ++$i) {
      $at = strpos($list, PAGE_FIELD_END);
      if ($at === false) return $pages;
      $fields[] = substr($list, 0, $at);
      $list = (string)substr($list, $at + 5);
    }
    $at = strpos($list, FIELD_END);
    if ($at === false) return $pages;
    $fields[] = substr($list, 0, $at);
    $list = (string)substr($list, $at + 5);
    $pages[] = $fields;
  }
  return $pages;
}

function page_record(array $fields): string {
  return implode(PAGE_FIELD_END, array_slice($fields, 0, 14)) . PAGE_FIELD_END . $fields[14] . FIELD_END;
}
