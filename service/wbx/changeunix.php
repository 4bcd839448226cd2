<?php
// Renames a site (its files move with it) and answers the name now registered.
$old = find_account(arg('oldid'));
$requested = arg('newid');
if (trim($requested) !== '') {
  if (!$old) {
    $name = free_site_name($requested);
    db()->prepare('INSERT INTO accounts (unixname) VALUES (?)')->execute([$name]);
    make_site_folder($name);
    echo $name;
  } else {
    $name = free_site_name($requested, $old['unixname']);
    if ($name !== $old['unixname']) {
      update_account($old['unixname'], ['unixname' => $name]);
      if (is_dir(site_folder($old['unixname'])) && !is_dir(site_folder($name))) {
        rename(site_folder($old['unixname']), site_folder($name));
      }
    }
    make_site_folder($name);
    echo $name;
  }
}
