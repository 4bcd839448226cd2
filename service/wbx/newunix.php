<?php
// Registers a new site under the requested name or the first free variant
// of it, and answers the name registered.
$requested = arg('id');
if (trim($requested) !== '') {
  $name = free_site_name($requested);
  db()->prepare('INSERT INTO accounts (unixname) VALUES (?)')->execute([$name]);
  make_site_folder($name);
  echo $name;
}
